#include <gtest/gtest.h>

#include "core/game/GameTestHelpers.h"
#include "core/game/WordCheck.h"

namespace vb {
namespace {

std::string WordOf(std::initializer_list<const char*> rows) {
  TBoard board;
  test::DrawBoard(board, rows);
  return CurrentWord(board);
}

TEST(CurrentWord, FirstWordNeedsTwoLettersInOneLineAnywhere) {
  EXPECT_EQ(WordOf({"..........", "......cat."}), "CAT");
  EXPECT_EQ(WordOf({"..........", "...c", "...a", "...t"}), "CAT");
  // One loose letter on an empty board never forms a word.
  EXPECT_EQ(WordOf({"..........", "....a"}), "");
  // Not in one line, or with a gap.
  EXPECT_EQ(WordOf({"ca", "..t"}), "");
  EXPECT_EQ(WordOf({"c.at"}), "");
  EXPECT_EQ(WordOf({}), "");
}

TEST(CurrentWord, LaterWordsMustContainAFixedLetter) {
  EXPECT_EQ(WordOf({"DOG", "...", "..cat"}), "");
  EXPECT_EQ(WordOf({"DOG", "...", "..cat", "..O"}), "");  // a fixed neighbour across, not in the word
  EXPECT_EQ(WordOf({"DOG", "..a", "..t"}), "GAT");
  EXPECT_EQ(WordOf({"DOGs"}), "DOGS");
}

TEST(CurrentWord, ASingleLooseLetterExtendsTheOneLetterItTouches) {
  // Below the last letter of a vertical word: the whole column run plus itself.
  EXPECT_EQ(WordOf({".C", ".A", ".T", ".s"}), "CATS");
  EXPECT_EQ(WordOf({"CATs"}), "CATS");
  EXPECT_EQ(WordOf({"aCAT"}), "ACAT");
  // Touching two letters, in a row and a column or on both sides: no word.
  EXPECT_EQ(WordOf({"CAt", "..O"}), "");
  EXPECT_EQ(WordOf({"CaT"}), "");
  EXPECT_EQ(WordOf({"C", "a", "T"}), "");
}

TEST(CurrentWord, LooseLettersAroundAFixedLetter) {
  // Rows 3 and 5 loose, row 4 fixed: one word; with row 4 empty, none.
  EXPECT_EQ(WordOf({"", "", "", "..c", "..A", "..t"}), "CAT");
  EXPECT_EQ(WordOf({"", "", "", "..c", "...", "..t", "", "X"}), "");
  // The run extends over fixed letters at both ends.
  EXPECT_EQ(WordOf({"", "", "..S", "..c", "..A", "..t", "..E"}), "SCATE");
}

TEST(CurrentWord, ANeighbourAcrossALooseLetterSpoilsTheWord) {
  EXPECT_EQ(WordOf({".c", "XA", ".t"}), "CAT");  // across a fixed letter of the word: allowed
  EXPECT_EQ(WordOf({".c", ".A", "Xt"}), "");     // across a loose letter: fixed neighbour spoils it
  EXPECT_EQ(WordOf({".c.", ".A.", ".tX"}), "");
  EXPECT_EQ(WordOf({"cat", "X.."}), "");         // horizontal word, neighbour below
}

TEST(CurrentWord, OnlyCellsInPlayCount) {
  TBoard board;
  board.ColumnsCount = 10;
  board.RowsCount = 10;
  test::DrawBoard(board, {".........ab"});  // b lies outside the rectangle
  EXPECT_EQ(CurrentWord(board), "");
}

}  // namespace
}  // namespace vb
