#include "core/coach/LetterFold.h"

#include <map>
#include <set>
#include <stdexcept>

namespace vb {

TLetterFold::TLetterFold() {
  for (int b = 0; b < 256; ++b) Set(static_cast<unsigned char>(b), std::string(1, static_cast<char>(b)));
}

void TLetterFold::Set(unsigned char letter, const std::string& fold) {
  if (fold.size() > MaxFoldLength) throw std::length_error("letter fold too long");
  length_[letter] = static_cast<unsigned char>(fold.size());
  for (std::size_t i = 0; i < fold.size(); ++i) bytes_[letter][i] = static_cast<unsigned char>(fold[i]);
}

std::string TLetterFold::FoldOf(unsigned char letter) const {
  return std::string(reinterpret_cast<const char*>(Bytes(letter)), Length(letter));
}

std::string TLetterFold::Fold(const std::string& text) const {
  std::string folded;
  folded.reserve(text.size());
  for (unsigned char c : text) folded.append(reinterpret_cast<const char*>(Bytes(c)), Length(c));
  return folded;
}

TLetterFold TLetterFold::Derive(Platform& platform, const TAlphabet& alphabet) {
  TLetterFold fold;
  // Classes of single bytes the comparison calls equal; the smallest byte names each.
  std::map<std::string, unsigned char> classOfKey;
  std::array<unsigned char, 256> representative{};
  std::array<std::string, 256> keyOf;
  for (int b = 1; b < 256; ++b) {
    const std::string text(1, static_cast<char>(b));
    if (platform.CompareTextIgnoreCase(text, std::string()) == 0) {
      fold.Set(static_cast<unsigned char>(b), std::string());
      continue;
    }
    keyOf[b] = platform.SortKeyIgnoreCase(text);
    auto found = classOfKey.emplace(keyOf[b], static_cast<unsigned char>(b));
    representative[b] = found.first->second;
    fold.Set(static_cast<unsigned char>(b), std::string(1, static_cast<char>(representative[b])));
  }

  // Letters a locale may expand into: the alphabet's and the Latin ones.
  std::set<unsigned char> letters;
  for (unsigned char c : alphabet)
    if (c != 0 && representative[c] != 0) letters.insert(representative[c]);
  for (int c = 'A'; c <= 'Z'; ++c)
    if (representative[c] != 0) letters.insert(representative[c]);
  std::map<std::string, std::string> pairOfKey;
  for (unsigned char first : letters)
    for (unsigned char second : letters) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      pairOfKey.emplace(platform.SortKeyIgnoreCase(pair), pair);
    }
  for (int b = 1; b < 256; ++b) {
    if (representative[b] == 0) continue;
    auto pair = pairOfKey.find(keyOf[b]);
    if (pair != pairOfKey.end()) fold.Set(static_cast<unsigned char>(b), pair->second);
  }
  return fold;
}

}  // namespace vb
