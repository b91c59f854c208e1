#include "core/coach/BackgroundGraph.h"

#include <chrono>
#include <exception>
#include <utility>

namespace vb {

TBackgroundGraph::TBackgroundGraph() : worker_([this] { Work(); }) {}

TBackgroundGraph::~TBackgroundGraph() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    pending_.reset();
  }
  changed_.notify_all();
  worker_.join();
}

void TBackgroundGraph::SetReadyHandler(std::function<void()> handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  onReady_ = std::move(handler);
}

namespace {
// FNV-1a over the words (each ended by a NUL, which no entry's end can fake
// because lengths go in too) and the fold of every byte.
std::uint64_t Fingerprint(const std::vector<std::string>& entries, const TLetterFold& fold) {
  std::uint64_t hash = 14695981039346656037ull;
  const auto add = [&hash](unsigned char byte) { hash = (hash ^ byte) * 1099511628211ull; };
  for (const std::string& entry : entries) {
    for (unsigned char c : entry) add(c);
    add(0);
    for (std::size_t n = entry.size(); n; n >>= 8) add(static_cast<unsigned char>(n));
  }
  for (int byte = 0; byte < 256; ++byte) {
    const auto letter = static_cast<unsigned char>(byte);
    add(static_cast<unsigned char>(fold.Length(letter)));
    for (int i = 0; i < fold.Length(letter); ++i) add(fold.Bytes(letter)[i]);
  }
  return hash;
}
}  // namespace

void TBackgroundGraph::Request(std::vector<std::string> entries, const TLetterFold& fold) {
  const std::uint64_t words = Fingerprint(entries, fold);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (requestedWords_ == words) return;
    requestedWords_ = words;
    ++requested_;
    graph_.reset();
    pending_ = TJob{std::move(entries), fold, requested_};
  }
  changed_.notify_all();
}

void TBackgroundGraph::Clear() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ++requested_;
    built_ = requested_;
    requestedWords_.reset();
    graph_.reset();
    pending_.reset();
  }
  changed_.notify_all();
}

std::shared_ptr<const TWordGraph> TBackgroundGraph::Graph() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return built_ == requested_ ? graph_ : nullptr;
}

bool TBackgroundGraph::Preparing() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return built_ != requested_;
}

void TBackgroundGraph::Wait() const {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return built_ == requested_ || stopping_; });
}

bool TBackgroundGraph::WaitFor(int milliseconds) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return built_ == requested_; });
}

void TBackgroundGraph::Work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
    if (stopping_) return;
    TJob job = std::move(*pending_);
    pending_.reset();
    lock.unlock();
    std::shared_ptr<const TWordGraph> graph;
    try {
      graph = std::make_shared<const TWordGraph>(TWordGraph::Build(job.Entries, job.Fold));
    } catch (const std::exception&) {
      // A list too large for the graph leaves the coach without one; the game plays on.
    }
    job.Entries.clear();
    lock.lock();
    if (job.Generation != requested_) continue;  // superseded while it was built
    graph_ = std::move(graph);
    built_ = job.Generation;
    std::function<void()> onReady = onReady_;
    lock.unlock();
    changed_.notify_all();
    if (onReady) onReady();
    lock.lock();
  }
}

}  // namespace vb
