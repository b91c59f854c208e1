#pragma once
// The lookup for words the letter fold cannot decide: a hash index over the
// platform's sort key (equal exactly when the comparison says equal), keeping
// per distinct key only the earliest entry. A sort key costs a platform call per
// word, so the index builds itself over the whole list only when first asked,
// which a list of decided words and decided lookups never does. A sort key
// need not see past a NUL byte, so entries holding one are kept aside and
// compared with every word.
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace vb {

class TSortKeyIndex {
 public:
  static constexpr std::uint32_t NotFound = 0xFFFFFFFFu;

  TSortKeyIndex() = default;
  TSortKeyIndex(const TSortKeyIndex& other);
  TSortKeyIndex& operator=(const TSortKeyIndex& other);

  void Clear();
  // Records entries[position], which was just appended (once the index is built).
  void Add(const std::vector<std::string>& entries, std::uint32_t position);
  // The position of the first entry equal to the word, or NotFound; the word
  // holds no NUL byte. Safe to
  // call from several threads while the entries are left alone.
  std::uint32_t FindFirstEqual(const std::vector<std::string>& entries, const std::string& word) const;

  std::size_t MemoryBytes() const;

 private:
  struct TTable {
    bool Built = false;
    // Open addressing: slot i holds an entry position (NotFound = free) and its key's hash.
    std::vector<std::uint32_t> Positions;
    std::vector<std::uint32_t> Hashes;
    std::size_t Used = 0;
    std::vector<std::uint32_t> WithNul;

    void Grow(std::size_t wanted);
    void Insert(const std::vector<std::string>& entries, std::uint32_t position);
  };
  static std::uint32_t HashOf(const std::string& word);

  mutable std::mutex mutex_;
  mutable TTable table_;
};

}  // namespace vb
