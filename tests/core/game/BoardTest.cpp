#include <gtest/gtest.h>

#include <vector>

#include "core/game/GameTestHelpers.h"
#include "core/game/Board.h"
#include "core/game/StockLetters.h"

namespace vb {
namespace {

TEST(Board, ClearBoardEmptiesTheWholeGridWhateverTheSizeInPlay) {
  TBoard board;
  board.ColumnsCount = 12;
  board.RowsCount = 12;
  board.SetCell(29, 29, TBoardCell{'Q', false});
  board.SetCell(20, 3, TBoardCell{'A', true});
  board.AddLooseLetter(20, 3);
  board.ClearBoard();
  EXPECT_EQ(board.LooseCount(), 0);
  for (int c = 0; c < BoardGridSize; ++c)
    for (int r = 0; r < BoardGridSize; ++r) ASSERT_EQ(board.Cell(c, r).Letter, 0) << c << "," << r;
  EXPECT_FALSE(board.IsOccupied(29, 29));
}

TEST(Board, RemovingLooseLettersKeepsTheListInStep) {
  TBoard board;
  test::DrawBoard(board, {"abc"});
  const TBoard before = board;

  // Removing one of three moves the last entry into the freed place.
  board.RemoveLooseLetter(0, 0);
  ASSERT_EQ(board.LooseCount(), 2);
  EXPECT_EQ(board.LooseLetter(0), (TCellPosition{2, 0}));
  EXPECT_EQ(board.LooseLetter(1), (TCellPosition{1, 0}));
  EXPECT_EQ(board.Cell(0, 0).Letter, 0);
  EXPECT_NE(board, before);

  // A position that is not listed changes nothing (also a fixed letter).
  board.SetCell(5, 5, TBoardCell{'F', false});
  board.RemoveLooseLetter(5, 5);
  board.RemoveLooseLetter(-1, 40);
  EXPECT_EQ(board.LooseCount(), 2);
  EXPECT_EQ(board.Cell(5, 5).Letter, 'F');

  board.RemoveLooseLetter(2, 0);
  board.RemoveLooseLetter(1, 0);
  EXPECT_EQ(board.LooseCount(), 0);
  EXPECT_EQ(board.Cell(1, 0).Letter, 0);
  board.RemoveLooseLetter(1, 0);  // nothing listed: no stale entry is touched
  EXPECT_EQ(board.LooseCount(), 0);
}

TEST(Board, CopiesCompareEqualUntilACellOrTheLooseListDiffers) {
  TBoard board;
  test::DrawBoard(board, {"ab", "C."});
  TBoard copy = board;
  EXPECT_EQ(copy, board);
  copy.SetCell(9, 9, TBoardCell{'Z', false});
  EXPECT_NE(copy, board);
  copy = board;
  copy.RowsCount = 20;
  EXPECT_NE(copy, board);
  // The same loose cells listed in another order are another state.
  copy = board;
  copy.ClearLooseLetters();
  copy.AddLooseLetter(1, 0);
  copy.AddLooseLetter(0, 0);
  EXPECT_NE(copy, board);
}

TEST(Board, AnEighthLooseLetterIsNotListed) {
  TBoard board;
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(board.AddLooseLetter(i, 0));
  EXPECT_FALSE(board.AddLooseLetter(7, 0));
  EXPECT_EQ(board.LooseCount(), 7);
  EXPECT_EQ(board.LooseLetter(7), (TCellPosition{}));
}

TEST(Board, MoveAndFixLooseLetters) {
  TBoard board;
  test::DrawBoard(board, {"ab"});
  board.MoveLooseLetter(1, 0, 4, 4);
  EXPECT_EQ(board.LooseLetter(1), (TCellPosition{4, 4}));
  EXPECT_EQ(board.Cell(1, 0).Letter, 'B');  // cells are the caller's
  board.MoveLooseLetter(4, 4, 1, 0);

  EXPECT_TRUE(board.BoardHasNoFixedLetters(15, 15));
  board.FixLooseLetters();
  EXPECT_EQ(board.LooseCount(), 0);
  EXPECT_TRUE(board.IsFixed(0, 0));
  EXPECT_TRUE(board.IsFixed(1, 0));
  EXPECT_FALSE(board.BoardHasNoFixedLetters(15, 15));
  EXPECT_TRUE(board.BoardHasNoFixedLetters(0, 0));
  EXPECT_FALSE(board.BoardHasNoFixedLetters(99, 99));  // clamped to the grid
}

TEST(StockLetters, SlotsInOrder) {
  TStockLetters stock;
  EXPECT_EQ(stock.FirstEmpty(), 0);
  for (int slot = 0; slot < StockSize; ++slot) stock.SetLetter(slot, static_cast<unsigned char>('A' + slot));
  EXPECT_EQ(stock.FirstEmpty(), -1);
  stock.SetLetter(2, 0);
  stock.SetLetter(0, 0);
  EXPECT_EQ(stock.FirstEmpty(), 0);
  stock.Swap(1, 0);  // with an empty slot: the letter moves
  EXPECT_EQ(stock.Letter(0), 'B');
  EXPECT_EQ(stock.Letter(1), 0);
  EXPECT_EQ(stock.LettersCount(), 5);
  stock.SetLetter(7, 'Z');
  EXPECT_EQ(stock.Letter(7), 0);
  EXPECT_EQ(stock.Letter(-1), 0);
  stock.Clear();
  EXPECT_EQ(stock.LettersCount(), 0);
}

}  // namespace
}  // namespace vb
