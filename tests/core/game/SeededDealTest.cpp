// Numbered games: the deal is pinned letter for letter, so a change to the
// generator, the hash or the draw can never alter every player's game silently.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/game/GameState.h"
#include "core/game/SeededDeal.h"

namespace vb {
namespace {

// Letters A..L with falling weights, as a small dictionary's table.
void FillTestAlphabet(TDictionary& dictionary) {
  const int probabilities[] = {1000, 800, 600, 500, 400, 300, 200, 150, 100, 50, 20, 1};
  for (int i = 0; i < 12; ++i) {
    dictionary.Alphabet[i] = static_cast<unsigned char>('A' + i);
    dictionary.LetterProbabilities[i] = probabilities[i];
  }
}

std::string Deal(std::uint32_t number, const std::string& name, int columns, int rows, int letters) {
  TDictionary dictionary("C:\\Vorbelle\\VorbelleDictionaries\\");
  FillTestAlphabet(dictionary);
  TSeededDeal deal(number, name, columns, rows);
  std::string dealt;
  for (int i = 0; i < letters; ++i) dealt += static_cast<char>(TGameState::DrawLetter(dictionary, deal));
  return dealt;
}

TEST(SeededDeal, TheSameNumberDealsTheSameLettersEverywhere) {
  EXPECT_EQ(TSeededDeal::SeedOf(20261209, "English.vbd", 15, 15), 0x0792cbaefd2ba8a9ull);
  const std::string pinned = "DBCAEGCAAAAACAGBACFB";
  EXPECT_EQ(Deal(20261209, "English.vbd", 15, 15, 20), pinned);
  EXPECT_EQ(Deal(20261209, "ENGLISH.VBD", 15, 15, 20), pinned);  // the name's case does not matter
  // Any other number, dictionary or size deals otherwise.
  EXPECT_NE(Deal(20261210, "English.vbd", 15, 15, 20), pinned);
  EXPECT_NE(Deal(20261209, "Deutsch.vbd", 15, 15, 20), pinned);
  EXPECT_NE(Deal(20261209, "English.vbd", 15, 16, 20), pinned);
  EXPECT_NE(Deal(20261209, "English.vbd", 16, 15, 20), pinned);

  // The game state fills its stock from the deal as from the random pool.
  TDictionary dictionary("C:\\Vorbelle\\VorbelleDictionaries\\");
  FillTestAlphabet(dictionary);
  TSeededDeal deal(20261209, "English.vbd", 15, 15);
  TGameState state;
  state.FillStock(dictionary, deal);
  for (int slot = 0; slot < StockSize; ++slot) EXPECT_EQ(state.Stock.Letter(slot), pinned[slot]) << slot;
}

TEST(SeededDeal, DrawsFollowTheWeights) {
  TSeededDeal deal(42, "Test.vbd", 10, 10);
  const std::array<std::int32_t, 5> weights{600, 0, 300, -50, 100};
  std::array<int, 5> hits{};
  constexpr int kDraws = 100000;
  for (int i = 0; i < kDraws; ++i) ++hits[deal.WeightedIndex(5, weights.data())];
  EXPECT_EQ(hits[1] + hits[3], 0);  // no weight, or one below zero: never drawn
  EXPECT_NEAR(hits[0], kDraws * 6 / 10, kDraws / 100);
  EXPECT_NEAR(hits[2], kDraws * 3 / 10, kDraws / 100);
  EXPECT_NEAR(hits[4], kDraws * 1 / 10, kDraws / 100);

  const std::array<std::int32_t, 3> none{0, 0, -1};
  EXPECT_EQ(deal.WeightedIndex(3, none.data()), -1);
  EXPECT_EQ(deal.WeightedIndex(0, weights.data()), -1);
  // Totals beyond 32 bits are drawn too.
  const std::array<std::int32_t, 3> huge{2147483647, 2147483647, 2147483647};
  for (int i = 0; i < 100; ++i) ASSERT_LT(static_cast<unsigned>(deal.WeightedIndex(3, huge.data())), 3u);
}

TEST(SeededDeal, GameNumbers) {
  EXPECT_EQ(TodaysGameNumber(2026, 12, 9), 20261209u);
  EXPECT_EQ(TodaysGameNumber(2024, 2, 29), 20240229u);
  EXPECT_EQ(TodaysGameNumber(1, 1, 1), 10101u);
  EXPECT_EQ(TodaysGameNumber(9999, 12, 31), 99991231u);
  for (auto [y, m, d] : {std::array<int, 3>{2025, 2, 29}, {1900, 2, 29}, {2026, 4, 31}, {2026, 13, 1}, {2026, 0, 1},
                         {2026, 1, 0}, {0, 1, 1}, {10000, 1, 1}})
    EXPECT_FALSE(TodaysGameNumber(y, m, d)) << y << "-" << m << "-" << d;

  EXPECT_EQ(ParseGameNumber("20261209"), 20261209u);
  EXPECT_EQ(ParseGameNumber("  42\t\r\n"), 42u);
  EXPECT_EQ(ParseGameNumber("007"), 7u);
  EXPECT_EQ(ParseGameNumber("1"), 1u);
  EXPECT_EQ(ParseGameNumber("99999999"), 99999999u);
  EXPECT_EQ(ParseGameNumber("000000000099999999"), 99999999u);
  for (const char* bad : {"", "   ", "0", "000", "100000000", "4294967297", "99999999999999999999", "+5", "-5",
                          "1 2", "12a", "0x10", "1e3", "4.0", "\xb2"})
    EXPECT_FALSE(ParseGameNumber(bad)) << bad;
}

}  // namespace
}  // namespace vb
