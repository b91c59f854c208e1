#pragma once
// Builds the word graph of a words list on a worker thread of its own, so
// start-up, New game and the first put never wait for it. A newer request
// supersedes an older one: only the graph of the latest request is ever
// handed out, so a finder never works from a list the game no longer uses.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/coach/WordGraph.h"
#include "core/dictionary/LetterFold.h"

namespace vb {

class TBackgroundGraph {
 public:
  TBackgroundGraph();
  // Waits for a build that is running (a graph cannot be abandoned halfway).
  ~TBackgroundGraph();
  TBackgroundGraph(const TBackgroundGraph&) = delete;
  TBackgroundGraph& operator=(const TBackgroundGraph&) = delete;

  // Called on the worker thread after the latest request's graph is ready;
  // the game posts itself a message from here and picks the graph up later.
  void SetReadyHandler(std::function<void()> handler);
  // Starts building the graph of these words (a copy: the list may change
  // meanwhile), folded as the words list folds them. The same words and fold
  // as the latest request keep the graph that is there or being built: a new
  // game reads its list again.
  void Request(std::vector<std::string> entries, const TLetterFold& fold);
  // No graph until the next request (a dictionary that could not be used).
  void Clear();

  // The latest request's graph once it is built; null while it is being built or after Clear.
  std::shared_ptr<const TWordGraph> Graph() const;
  bool Preparing() const;
  // Blocks until the latest request is built (tools and tests).
  void Wait() const;
  // Waits at most `milliseconds`; true when the latest request is built.
  bool WaitFor(int milliseconds) const;

 private:
  struct TJob {
    std::vector<std::string> Entries;
    TLetterFold Fold;
    unsigned Generation = 0;
  };
  void Work();

  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::optional<TJob> pending_;
  std::shared_ptr<const TWordGraph> graph_;
  unsigned requested_ = 0;  // generation of the latest request or clear
  unsigned built_ = 0;      // generation graph_ belongs to
  std::optional<std::uint64_t> requestedWords_;  // fingerprint of the latest request's words
  bool stopping_ = false;
  std::function<void()> onReady_;
  std::thread worker_;  // last: it starts after every other member exists
};

}  // namespace vb
