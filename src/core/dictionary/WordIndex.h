#pragma once
// A hash index over a words list that answers "which is the first entry equal to
// this word under the locale's case-insensitive comparison" without a scan. It
// hashes the platform's sort key (equal exactly when the comparison says equal)
// and keeps, per distinct key, only the earliest entry.
#include <cstdint>
#include <string>
#include <vector>

namespace vb {

class TWordIndex {
 public:
  static constexpr std::uint32_t NotFound = 0xFFFFFFFFu;

  void Clear();
  // Rebuilds the index over all entries.
  void Build(const std::vector<std::string>& entries);
  // Records entries[position], which was just appended; an earlier equal entry keeps its place.
  void Add(const std::vector<std::string>& entries, std::uint32_t position);
  // The position of the first entry equal to the word, or NotFound.
  std::uint32_t FindFirstEqual(const std::vector<std::string>& entries, const std::string& word) const;

  std::size_t MemoryBytes() const;

 private:
  static std::uint32_t HashOf(const std::string& word);
  void Grow(std::size_t wanted);
  void Insert(const std::vector<std::string>& entries, std::uint32_t position, std::uint32_t hash);

  // Open addressing: slot i holds an entry position (NotFound = free) and its hash.
  std::vector<std::uint32_t> positions_;
  std::vector<std::uint32_t> hashes_;
  std::size_t used_ = 0;
};

}  // namespace vb
