#include "core/game/AccessibleNames.h"

namespace vb {

std::string BoardCellName(const TBoard& board, int column, int row) {
  std::string name = "Row " + std::to_string(row + 1) + ", column " + std::to_string(column + 1) + ", ";
  const TBoardCell cell = board.Cell(column, row);
  if (cell.Letter == 0) return name + "empty";
  return name + static_cast<char>(cell.Letter) + (cell.Loose ? ", loose" : ", fixed");
}

std::string StockSlotName(const TStockLetters& stock, int slot) {
  const unsigned char letter = stock.Letter(slot);
  return "Stock letter " + std::to_string(slot + 1) + ", " +
         (letter ? std::string(1, static_cast<char>(letter)) : std::string("empty"));
}

}  // namespace vb
