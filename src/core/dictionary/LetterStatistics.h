#pragma once
// The dictionary's letter tables and the counting pass over a words list that
// yields letter probabilities (and feeds the analysis report), plus letter scores.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vb {

constexpr int AlphabetSize = 40;
constexpr int LengthScoresCount = 7;  // word bonuses for 1..7 placed letters
constexpr int MaxProbability = 1000;
constexpr int LengthCountsSize = 11;  // 0 = empty or longer than 10, 1..10 exact lengths

// Slot i holds the letter (unsigned 8-bit code) of slot i; 0 = empty slot.
using TAlphabet = std::array<unsigned char, AlphabetSize>;
using TLetterTable = std::array<std::int32_t, AlphabetSize>;

// The first slot holding exactly that letter, or -1 (also for the letter 0).
int LetterIndex(const TAlphabet& alphabet, unsigned char letter);

struct TLetterCounts {
  std::int32_t LettersWithin = 0;      // characters found in the alphabet
  std::int32_t CharactersOutside = 0;  // characters not found
  TLetterTable LetterCounts{};
  std::array<std::int32_t, LengthCountsSize> LengthCounts{};
  TLetterTable Probabilities{};  // 0..1000; all 0 when no character lies in the alphabet
};

// Counts over the entries, upper-casing ASCII letters only.
TLetterCounts CountLetters(const std::vector<std::string>& entries, const TAlphabet& alphabet);

// The score of a probability: 0 for p <= 0, else RoundHalfUp(9 (1 - p/1000)^2 + 1).
std::int32_t LetterScoreOfProbability(std::int32_t probability);
// The score of slot `slot`; 0 outside 0..39.
std::int32_t ComputeLetterScore(const TLetterTable& probabilities, int slot);

}  // namespace vb
