#include "core/dictionary/SortKeyIndex.h"

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

TSortKeyIndex::TSortKeyIndex(const TSortKeyIndex& other) {
  std::lock_guard<std::mutex> lock(other.mutex_);
  table_ = other.table_;
}

TSortKeyIndex& TSortKeyIndex::operator=(const TSortKeyIndex& other) {
  if (this == &other) return *this;
  TTable copy;
  {
    std::lock_guard<std::mutex> lock(other.mutex_);
    copy = other.table_;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  table_ = std::move(copy);
  return *this;
}

std::uint32_t TSortKeyIndex::HashOf(const std::string& word) {
  std::string key = GetPlatform().SortKeyIgnoreCase(word);
  std::uint64_t hash = std::hash<std::string_view>()(key);
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

void TSortKeyIndex::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  table_ = TTable();
}

void TSortKeyIndex::Add(const std::vector<std::string>& entries, std::uint32_t position) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!table_.Built) return;  // the build will see the entry
  table_.Grow(table_.Used + 1);
  table_.Insert(entries, position);
}

std::uint32_t TSortKeyIndex::FindFirstEqual(const std::vector<std::string>& entries, const std::string& word) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!table_.Built) {
    table_.Grow(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
      table_.Insert(entries, static_cast<std::uint32_t>(i));
    table_.Built = true;
  }
  std::uint32_t first = NotFound;
  if (!table_.Positions.empty()) {
    const std::uint32_t hash = HashOf(word);
    const std::size_t mask = table_.Positions.size() - 1;
    // Each distinct word has one slot, so the first equal slot is the answer.
    for (std::size_t slot = hash & mask; table_.Positions[slot] != NotFound; slot = (slot + 1) & mask)
      if (table_.Hashes[slot] == hash && SameWord(entries[table_.Positions[slot]], word)) {
        first = table_.Positions[slot];
        break;
      }
  }
  for (std::uint32_t position : table_.WithNul) {
    if (position >= first) break;
    if (SameWord(entries[position], word)) return position;
  }
  return first;
}

std::size_t TSortKeyIndex::MemoryBytes() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return sizeof(*this) + (table_.Positions.capacity() + table_.Hashes.capacity() + table_.WithNul.capacity()) * sizeof(std::uint32_t);
}

void TSortKeyIndex::TTable::Grow(std::size_t wanted) {
  // At most half full, so probe runs stay short.
  if (wanted * 2 <= Positions.size()) return;
  std::size_t slots = kMinimumSlots;
  while (slots < wanted * 2) slots *= 2;
  std::vector<std::uint32_t> oldPositions(slots, NotFound), oldHashes(slots, 0);
  oldPositions.swap(Positions);
  oldHashes.swap(Hashes);
  const std::size_t mask = slots - 1;
  // The kept slots hold distinct words: they only need a free place.
  for (std::size_t i = 0; i < oldPositions.size(); ++i) {
    if (oldPositions[i] == NotFound) continue;
    std::size_t slot = oldHashes[i] & mask;
    while (Positions[slot] != NotFound) slot = (slot + 1) & mask;
    Positions[slot] = oldPositions[i];
    Hashes[slot] = oldHashes[i];
  }
}

void TSortKeyIndex::TTable::Insert(const std::vector<std::string>& entries, std::uint32_t position) {
  if (entries[position].find('\0') != std::string::npos) {
    WithNul.push_back(position);
    return;
  }
  const std::uint32_t hash = HashOf(entries[position]);
  const std::size_t mask = Positions.size() - 1;
  std::size_t slot = hash & mask;
  for (; Positions[slot] != NotFound; slot = (slot + 1) & mask)
    if (Hashes[slot] == hash && SameWord(entries[Positions[slot]], entries[position])) return;
  Positions[slot] = position;
  Hashes[slot] = hash;
  ++Used;
}

}  // namespace vb
