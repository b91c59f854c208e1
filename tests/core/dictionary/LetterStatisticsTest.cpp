#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/dictionary/LetterStatistics.h"

namespace vb {

namespace {
TAlphabet AlphabetOf(const std::string& letters) {
  TAlphabet alphabet{};
  for (std::size_t i = 0; i < letters.size() && i < alphabet.size(); ++i)
    alphabet[i] = static_cast<unsigned char>(letters[i]);
  return alphabet;
}
}  // namespace

TEST(LetterStatistics, FrequentLettersGet1000AndRareOnesAtLeast1) {
  // 1000 entries with 5000 E and 3 Q.
  std::vector<std::string> words(1000, "EEEEE");
  words[0] = "EEEEEQ";
  words[1] = "EEEEEQ";
  words[2] = "EEEEEq";
  TLetterCounts counts = CountLetters(words, AlphabetOf("EQZ"));
  EXPECT_EQ(counts.LetterCounts[0], 5000);
  EXPECT_EQ(counts.LetterCounts[1], 3);
  EXPECT_EQ(counts.Probabilities[0], 1000);
  EXPECT_EQ(counts.Probabilities[1], 1);
  EXPECT_EQ(counts.Probabilities[2], 0);  // never occurs
  EXPECT_EQ(counts.LettersWithin, 5003);
  EXPECT_EQ(counts.CharactersOutside, 0);
  EXPECT_EQ(ComputeLetterScore(counts.Probabilities, 0), 1);
  EXPECT_EQ(ComputeLetterScore(counts.Probabilities, 1), 10);
  EXPECT_EQ(ComputeLetterScore(counts.Probabilities, 2), 0);
}

TEST(LetterStatistics, HalvesRoundUpward) {
  // 2000 A and 1 B: 0.5 rounds to 1; 2000 A and 3 B: 1.5 rounds to 2.
  std::vector<std::string> words = {std::string(2000, 'A'), "B"};
  EXPECT_EQ(CountLetters(words, AlphabetOf("AB")).Probabilities[1], 1);
  words[1] = "BBB";
  EXPECT_EQ(CountLetters(words, AlphabetOf("AB")).Probabilities[1], 2);
}

TEST(LetterStatistics, OnlyAsciiLettersAreUpperCased) {
  std::vector<std::string> words = {"abc", "\xE9\xC9", "x"};
  TLetterCounts upper = CountLetters(words, AlphabetOf("ABC\xC9"));
  EXPECT_EQ(upper.LettersWithin, 4);      // a, b, c and the exact É
  EXPECT_EQ(upper.CharactersOutside, 2);  // é and x
  TLetterCounts lower = CountLetters(words, AlphabetOf("abc"));
  EXPECT_EQ(lower.LettersWithin, 0);
  EXPECT_EQ(lower.CharactersOutside, 6);
  EXPECT_EQ(lower.Probabilities, TLetterTable{});  // nothing to scale by
}

TEST(LetterStatistics, LengthCountsPutEmptyAndLongEntriesUnderZero) {
  std::vector<std::string> words = {"", "A", "AB", std::string(10, 'A'), std::string(11, 'A'), "AB"};
  TLetterCounts counts = CountLetters(words, AlphabetOf("A"));
  EXPECT_EQ(counts.LengthCounts[0], 2);
  EXPECT_EQ(counts.LengthCounts[1], 1);
  EXPECT_EQ(counts.LengthCounts[2], 2);
  EXPECT_EQ(counts.LengthCounts[10], 1);
}

TEST(LetterStatistics, DuplicateLettersCountUnderTheFirstSlot) {
  TAlphabet alphabet = AlphabetOf("ABA");
  EXPECT_EQ(LetterIndex(alphabet, 'A'), 0);
  EXPECT_EQ(LetterIndex(alphabet, 0), -1);
  EXPECT_EQ(LetterIndex(alphabet, 'Z'), -1);
  TLetterCounts counts = CountLetters({"AAB"}, alphabet);
  EXPECT_EQ(counts.LetterCounts[0], 2);
  EXPECT_EQ(counts.LetterCounts[2], 0);
}

TEST(LetterStatistics, ScoreTableBoundaries) {
  const std::pair<int, int> table[] = {{1, 10},  {28, 10}, {29, 9},  {87, 9},  {88, 8},   {150, 8}, {151, 7},
                                       {218, 7}, {219, 6}, {292, 6}, {293, 5}, {376, 5},  {377, 4}, {472, 4},
                                       {473, 3}, {591, 3}, {592, 2}, {764, 2}, {765, 1},  {1000, 1}};
  for (auto [probability, score] : table) EXPECT_EQ(LetterScoreOfProbability(probability), score) << probability;
  EXPECT_EQ(LetterScoreOfProbability(0), 0);
  EXPECT_EQ(LetterScoreOfProbability(-5), 0);
  TLetterTable probabilities{};
  probabilities.fill(500);
  EXPECT_EQ(ComputeLetterScore(probabilities, -1), 0);
  EXPECT_EQ(ComputeLetterScore(probabilities, 40), 0);
  EXPECT_EQ(ComputeLetterScore(probabilities, 39), 3);
}

}  // namespace vb
