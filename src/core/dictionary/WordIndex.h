#pragma once
// A hash index over a words list that answers "which is the first entry equal to
// this word under the locale's case-insensitive comparison" without a scan. It
// hashes each word's letter fold, which is equal for two words the comparison
// calls equal, so it costs no platform call per word; the comparison only
// confirms the candidates. Entries with a byte the fold cannot decide are kept
// aside and compared with every word; a word with such a byte (or a list with
// many such entries) is looked up by the platform's sort key instead. Every
// answer is the one a scan with the comparison gives.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/dictionary/LetterFold.h"
#include "core/dictionary/SortKeyIndex.h"

namespace vb {

class TWordIndex {
 public:
  static constexpr std::uint32_t NotFound = 0xFFFFFFFFu;

  void Clear();
  // Rebuilds the index over all entries, keyed by the fold.
  void Build(const std::vector<std::string>& entries, const TLetterFold& fold);
  // The fold the index was built with.
  const TLetterFold& Fold() const { return fold_; }
  // Records entries[position], which was just appended; an earlier equal entry keeps its place.
  void Add(const std::vector<std::string>& entries, std::uint32_t position);
  // The position of the first entry equal to the word, or NotFound.
  std::uint32_t FindFirstEqual(const std::vector<std::string>& entries, const std::string& word) const;

  std::size_t MemoryBytes() const;

 private:
  std::uint32_t HashOf(const std::string& word) const;
  bool SameFold(const std::string& a, const std::string& b) const;
  void Grow(std::size_t wanted);
  void Insert(const std::vector<std::string>& entries, std::uint32_t position);

  TLetterFold fold_;
  // Open addressing: slot i holds the first entry of one fold (NotFound = free) and its hash.
  std::vector<std::uint32_t> positions_;
  std::vector<std::uint32_t> hashes_;
  std::size_t used_ = 0;
  // Later entries of a fold, by its first entry: asked only when the first one
  // is not equal to the word (the comparison told apart what the fold joined).
  std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> laterOfFirst_;
  // Entries with an undecided byte, in list order.
  std::vector<std::uint32_t> undecided_;
  TSortKeyIndex byKey_;
};

}  // namespace vb
