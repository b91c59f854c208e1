#pragma once
// How the words-list comparison sees each byte: case dropped, ignorable
// characters (a soft hyphen, say) dropped, and letters the locale equates with
// a pair (such as a sharp s with SS) expanded. Two texts the comparison calls
// equal always have equal folds, so the word graph, indexed by folds, never
// misses a word the lookup would accept; the lookup itself still judges every
// word the graph offers.
#include <array>
#include <string>

#include "core/base/Platform.h"
#include "core/dictionary/LetterStatistics.h"

namespace vb {

class TLetterFold {
 public:
  static constexpr int MaxFoldLength = 2;

  // Every byte folds to itself (tests, and a comparison that is exact bytes).
  TLetterFold();
  // Asks the platform's comparison once per byte, and for expansions once per
  // pair of the alphabet's (and A..Z's) letters. Calls only the comparison and
  // its sort key, which are stateless.
  static TLetterFold Derive(Platform& platform, const TAlphabet& alphabet);

  // 0..MaxFoldLength bytes; a letter with length 0 is ignored by the lookup.
  int Length(unsigned char letter) const { return length_[letter]; }
  const unsigned char* Bytes(unsigned char letter) const { return bytes_[letter].data(); }
  std::string Fold(const std::string& text) const;
  std::string FoldOf(unsigned char letter) const;

  void Set(unsigned char letter, const std::string& fold);

 private:
  std::array<unsigned char, 256> length_{};
  std::array<std::array<unsigned char, MaxFoldLength>, 256> bytes_{};
};

}  // namespace vb
