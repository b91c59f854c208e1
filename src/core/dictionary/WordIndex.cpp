#include "core/dictionary/WordIndex.h"

#include <functional>
#include <string_view>

#include "core/base/Platform.h"

namespace vb {

namespace {
constexpr std::size_t kMinimumSlots = 64;

bool SameWord(const std::string& a, const std::string& b) {
  return GetPlatform().CompareTextIgnoreCase(a, b) == 0;
}
}  // namespace

std::uint32_t TWordIndex::HashOf(const std::string& word) {
  std::string key = GetPlatform().SortKeyIgnoreCase(word);
  std::uint64_t hash = std::hash<std::string_view>()(key);
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

void TWordIndex::Clear() {
  positions_.clear();
  hashes_.clear();
  used_ = 0;
}

void TWordIndex::Build(const std::vector<std::string>& entries) {
  Clear();
  Grow(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i)
    Insert(entries, static_cast<std::uint32_t>(i), HashOf(entries[i]));
}

void TWordIndex::Add(const std::vector<std::string>& entries, std::uint32_t position) {
  Grow(used_ + 1);
  Insert(entries, position, HashOf(entries[position]));
}

std::uint32_t TWordIndex::FindFirstEqual(const std::vector<std::string>& entries, const std::string& word) const {
  if (positions_.empty()) return NotFound;
  const std::uint32_t hash = HashOf(word);
  const std::size_t mask = positions_.size() - 1;
  // Each distinct word has one slot, so the first equal slot is the answer.
  for (std::size_t slot = hash & mask; positions_[slot] != NotFound; slot = (slot + 1) & mask)
    if (hashes_[slot] == hash && SameWord(entries[positions_[slot]], word)) return positions_[slot];
  return NotFound;
}

std::size_t TWordIndex::MemoryBytes() const {
  return sizeof(*this) + positions_.capacity() * sizeof(std::uint32_t) + hashes_.capacity() * sizeof(std::uint32_t);
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
  // The kept slots hold distinct words: they only need a free place.
  for (std::size_t i = 0; i < oldPositions.size(); ++i) {
    if (oldPositions[i] == NotFound) continue;
    std::size_t slot = oldHashes[i] & mask;
    while (positions_[slot] != NotFound) slot = (slot + 1) & mask;
    positions_[slot] = oldPositions[i];
    hashes_[slot] = oldHashes[i];
  }
}

void TWordIndex::Insert(const std::vector<std::string>& entries, std::uint32_t position, std::uint32_t hash) {
  const std::size_t mask = positions_.size() - 1;
  std::size_t slot = hash & mask;
  for (; positions_[slot] != NotFound; slot = (slot + 1) & mask)
    if (hashes_[slot] == hash && SameWord(entries[positions_[slot]], entries[position])) return;
  positions_[slot] = position;
  hashes_[slot] = hash;
  ++used_;
}

}  // namespace vb
