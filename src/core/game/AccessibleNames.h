#pragma once
// What a screen reader says for a board cell or a stock slot: short, the
// place first, then the letter and its state ("Row 3, column 5, A, fixed";
// "Row 3, column 6, empty"). Rows and columns count from 1, as people do.
#include <string>

#include "core/game/Board.h"
#include "core/game/StockLetters.h"

namespace vb {

std::string BoardCellName(const TBoard& board, int column, int row);
// "Stock letter 2, E" or "Stock letter 7, empty".
std::string StockSlotName(const TStockLetters& stock, int slot);

}  // namespace vb
