#include "core/dictionary/LetterStatistics.h"

#include <cmath>

#include "core/text/MyMath.h"

namespace vb {

int LetterIndex(const TAlphabet& alphabet, unsigned char letter) {
  if (letter == 0) return -1;
  for (int i = 0; i < AlphabetSize; ++i)
    if (alphabet[i] == letter) return i;
  return -1;
}

TLetterCounts CountLetters(const std::vector<std::string>& entries, const TAlphabet& alphabet) {
  TLetterCounts counts;
  // Slot of every byte after the ASCII-only upper-casing, looked up once.
  int slotOf[256];
  for (int c = 0; c < 256; ++c) {
    unsigned char upper = (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : static_cast<unsigned char>(c);
    slotOf[c] = LetterIndex(alphabet, upper);
  }
  for (const std::string& entry : entries) {
    const std::size_t length = entry.size();
    ++counts.LengthCounts[length < LengthCountsSize ? length : 0];
    for (unsigned char c : entry) {
      int slot = slotOf[c];
      if (slot < 0) {
        ++counts.CharactersOutside;
      } else {
        ++counts.LetterCounts[slot];
        ++counts.LettersWithin;
      }
    }
  }
  const int most = MaxOf(counts.LetterCounts.data(), AlphabetSize);
  // With no alphabet letter in the list there is nothing to scale by: all stay 0.
  if (most <= 0) return counts;
  for (int i = 0; i < AlphabetSize; ++i) {
    const std::int32_t count = counts.LetterCounts[i];
    std::int32_t probability = static_cast<std::int32_t>(RoundHalfUp(count * 1000.0 / most));
    if (count > 0 && probability < 1) probability = 1;
    counts.Probabilities[i] = probability;
  }
  return counts;
}

std::int32_t LetterScoreOfProbability(std::int32_t probability) {
  if (probability <= 0) return 0;
  const double rarity = 1.0 - probability * 0.001;
  return static_cast<std::int32_t>(RoundHalfUp(9.0 * rarity * rarity + 1.0));
}

std::int32_t ComputeLetterScore(const TLetterTable& probabilities, int slot) {
  if (slot < 0 || slot >= AlphabetSize) return 0;
  return LetterScoreOfProbability(probabilities[slot]);
}

}  // namespace vb
