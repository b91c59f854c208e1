#include "core/dictionary/WordIndex.h"

#include "core/base/Platform.h"

namespace vb {

namespace {
constexpr std::size_t kMinimumSlots = 64;
// Up to this many undecided entries are compared with each word; beyond, the
// sort-key index is cheaper.
constexpr std::size_t kMostUndecidedCompared = 32;

bool SameWord(Platform& platform, const std::string& a, const std::string& b) {
  return platform.CompareTextIgnoreCase(a, b) == 0;
}

std::uint32_t FirstEqualByScan(const std::vector<std::string>& entries, const std::string& word) {
  Platform& platform = GetPlatform();
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (SameWord(platform, entries[i], word)) return static_cast<std::uint32_t>(i);
  return TWordIndex::NotFound;
}
}  // namespace

std::uint32_t TWordIndex::HashOf(const std::string& word) const {
  // FNV-1a over the folded bytes, without building the fold.
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : word) {
    const unsigned char* bytes = fold_.Bytes(c);
    for (int i = 0; i < fold_.Length(c); ++i) hash = (hash ^ bytes[i]) * 16777619u;
  }
  return hash ^ (hash >> 15);
}

bool TWordIndex::SameFold(const std::string& a, const std::string& b) const {
  return fold_.Fold(a) == fold_.Fold(b);
}

void TWordIndex::Clear() {
  positions_.clear();
  hashes_.clear();
  used_ = 0;
  laterOfFirst_.clear();
  undecided_.clear();
  byKey_.Clear();
}

void TWordIndex::Build(const std::vector<std::string>& entries, const TLetterFold& fold) {
  Clear();
  fold_ = fold;
  Grow(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) Insert(entries, static_cast<std::uint32_t>(i));
}

void TWordIndex::Add(const std::vector<std::string>& entries, std::uint32_t position) {
  Grow(used_ + 1);
  Insert(entries, position);
  byKey_.Add(entries, position);
}

std::uint32_t TWordIndex::FindFirstEqual(const std::vector<std::string>& entries, const std::string& word) const {
  // A NUL byte may end what the sort key sees: only a scan is sure.
  if (word.find('\0') != std::string::npos) return FirstEqualByScan(entries, word);
  // A word the fold cannot vouch for may equal any entry.
  if (!fold_.Decided(word) || undecided_.size() > kMostUndecidedCompared) return byKey_.FindFirstEqual(entries, word);
  Platform& platform = GetPlatform();
  std::uint32_t first = NotFound;
  if (!positions_.empty()) {
    const std::uint32_t hash = HashOf(word);
    const std::size_t mask = positions_.size() - 1;
    // Equal words have one fold, so at most one slot holds candidates.
    for (std::size_t slot = hash & mask; positions_[slot] != NotFound && first == NotFound; slot = (slot + 1) & mask) {
      if (hashes_[slot] != hash) continue;
      if (SameWord(platform, entries[positions_[slot]], word)) {
        first = positions_[slot];
        break;
      }
      auto later = laterOfFirst_.find(positions_[slot]);
      if (later == laterOfFirst_.end()) continue;
      for (std::uint32_t position : later->second)
        if (SameWord(platform, entries[position], word)) {
          first = position;
          break;
        }
    }
  }
  // An earlier entry with an undecided byte may still be equal.
  for (std::uint32_t position : undecided_) {
    if (position >= first) break;
    if (SameWord(platform, entries[position], word)) return position;
  }
  return first;
}

std::size_t TWordIndex::MemoryBytes() const {
  std::size_t bytes = sizeof(*this) + positions_.capacity() * sizeof(std::uint32_t) +
                      hashes_.capacity() * sizeof(std::uint32_t) + undecided_.capacity() * sizeof(std::uint32_t) -
                      sizeof(byKey_) + byKey_.MemoryBytes();
  for (const auto& later : laterOfFirst_) bytes += sizeof(later) + 2 * sizeof(void*) + later.second.capacity() * sizeof(std::uint32_t);
  return bytes;
}

void TWordIndex::Grow(std::size_t wanted) {
  // At most half full, so probe runs stay short.
  if (wanted * 2 <= positions_.size()) return;
  std::size_t slots = kMinimumSlots;
  while (slots < wanted * 2) slots *= 2;
  std::vector<std::uint32_t> oldPositions(slots, NotFound), oldHashes(slots, 0);
  oldPositions.swap(positions_);
  oldHashes.swap(hashes_);
  const std::size_t mask = slots - 1;
  // The kept slots hold distinct folds: they only need a free place.
  for (std::size_t i = 0; i < oldPositions.size(); ++i) {
    if (oldPositions[i] == NotFound) continue;
    std::size_t slot = oldHashes[i] & mask;
    while (positions_[slot] != NotFound) slot = (slot + 1) & mask;
    positions_[slot] = oldPositions[i];
    hashes_[slot] = oldHashes[i];
  }
}

void TWordIndex::Insert(const std::vector<std::string>& entries, std::uint32_t position) {
  const std::string& word = entries[position];
  if (!fold_.Decided(word)) {
    undecided_.push_back(position);
    return;
  }
  const std::uint32_t hash = HashOf(word);
  const std::size_t mask = positions_.size() - 1;
  std::size_t slot = hash & mask;
  for (; positions_[slot] != NotFound; slot = (slot + 1) & mask)
    if (hashes_[slot] == hash && SameFold(entries[positions_[slot]], word)) {
      // Usually equal to the first entry of its fold; kept in case the comparison differs.
      laterOfFirst_[positions_[slot]].push_back(position);
      return;
    }
  positions_[slot] = position;
  hashes_[slot] = hash;
  ++used_;
}

}  // namespace vb
