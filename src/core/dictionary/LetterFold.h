#pragma once
// How the words-list comparison sees each byte: case dropped, ignorable
// characters (a soft hyphen, say) dropped, and letters the locale equates with
// a pair (such as a sharp s with SS) expanded. Two texts made of decided bytes
// that the comparison calls equal have equal folds, so the lookup index and the
// word graph, both keyed by folds, never miss a word the comparison accepts;
// the comparison itself still judges every candidate. A byte is undecided when
// the derivation cannot vouch for its fold (a NUL byte, a letter that is
// neither the alphabet's nor A..Z and so might expand into letters never
// tried, an ignorable character the comparison does not ignore inside a word):
// texts holding one are judged by the comparison alone.
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
  // Whether the fold can be trusted for the letter, or for every byte of a text.
  bool Decided(unsigned char letter) const { return decided_[letter]; }
  bool Decided(const std::string& text) const;

  void Set(unsigned char letter, const std::string& fold);
  void SetDecided(unsigned char letter, bool decided) { decided_[letter] = decided; }

 private:
  std::array<unsigned char, 256> length_{};
  std::array<std::array<unsigned char, MaxFoldLength>, 256> bytes_{};
  std::array<bool, 256> decided_{};
};

}  // namespace vb
