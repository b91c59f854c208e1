#include "core/dictionary/LetterFold.h"

#include <map>
#include <set>
#include <stdexcept>

namespace vb {

TLetterFold::TLetterFold() {
  decided_.fill(true);
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

bool TLetterFold::Decided(const std::string& text) const {
  for (unsigned char c : text)
    if (!decided_[c]) return false;
  return true;
}

TLetterFold TLetterFold::Derive(Platform& platform, const TAlphabet& alphabet) {
  TLetterFold fold;
  fold.decided_.fill(false);
  // Classes of single bytes the comparison calls equal; the smallest byte names each.
  std::map<std::string, unsigned char> classOfKey;
  std::array<unsigned char, 256> representative{};
  std::array<std::string, 256> keyOf;
  std::array<bool, 256> ignorable{};
  for (int b = 1; b < 256; ++b) {
    const std::string text(1, static_cast<char>(b));
    if (platform.CompareTextIgnoreCase(text, std::string()) == 0) {
      fold.Set(static_cast<unsigned char>(b), std::string());
      ignorable[b] = true;
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
  // Letters of two different pairs the comparison equates: the locale joins
  // letters in ways a fold per byte cannot follow.
  std::set<unsigned char> joined;
  for (unsigned char first : letters)
    for (unsigned char second : letters) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      auto known = pairOfKey.emplace(platform.SortKeyIgnoreCase(pair), pair);
      if (!known.second) joined.insert({first, second, static_cast<unsigned char>(known.first->second[0]),
                                        static_cast<unsigned char>(known.first->second[1])});
    }
  for (int b = 1; b < 256; ++b) {
    if (representative[b] == 0) continue;
    auto pair = pairOfKey.find(keyOf[b]);
    const bool expands = pair != pairOfKey.end();
    if (expands) fold.Set(static_cast<unsigned char>(b), pair->second);
    // Only letters whose every possible expansion was tried are decided, and
    // only when the comparison agrees with the sort key about the fold.
    const bool tried = letters.count(representative[b]) != 0 || expands;
    bool decided = tried && platform.CompareTextIgnoreCase(fold.FoldOf(static_cast<unsigned char>(b)),
                                                           std::string(1, static_cast<char>(b))) == 0;
    for (unsigned char c : fold.FoldOf(static_cast<unsigned char>(b))) decided = decided && joined.count(c) == 0;
    fold.decided_[b] = decided;
  }
  // An ignorable byte is decided when it is ignored inside and before a word too.
  for (int b = 1; b < 256; ++b) {
    if (!ignorable[b]) continue;
    const std::string c(1, static_cast<char>(b));
    fold.decided_[b] = platform.CompareTextIgnoreCase("A" + c + "B", "AB") == 0 &&
                       platform.CompareTextIgnoreCase(c + "A", "A") == 0 &&
                       platform.CompareTextIgnoreCase("A" + c, "A") == 0;
  }
  return fold;
}

}  // namespace vb
