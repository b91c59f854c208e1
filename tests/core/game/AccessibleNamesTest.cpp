#include <gtest/gtest.h>

#include <set>

#include "core/game/AccessibleNames.h"

namespace vb {

TEST(AccessibleNames, SayThePlaceFirstAndTellEveryCellApart) {
  TBoard board;
  board.ColumnsCount = board.RowsCount = 15;
  board.ClearBoard();
  board.SetCell(4, 2, TBoardCell{'A', false});
  board.SetCell(5, 2, TBoardCell{'B', true});
  EXPECT_EQ(BoardCellName(board, 4, 2), "Row 3, column 5, A, fixed");
  EXPECT_EQ(BoardCellName(board, 5, 2), "Row 3, column 6, B, loose");
  EXPECT_EQ(BoardCellName(board, 6, 2), "Row 3, column 7, empty");
  std::set<std::string> names;
  for (int row = 0; row < 15; ++row)
    for (int column = 0; column < 15; ++column) names.insert(BoardCellName(board, column, row));
  EXPECT_EQ(names.size(), 225u);

  TStockLetters stock;
  stock.SetLetter(1, 'E');
  EXPECT_EQ(StockSlotName(stock, 1), "Stock letter 2, E");
  EXPECT_EQ(StockSlotName(stock, 6), "Stock letter 7, empty");
}

}  // namespace vb
