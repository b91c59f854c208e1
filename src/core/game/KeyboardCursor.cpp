#include "core/game/KeyboardCursor.h"

#include <string>

#include "core/base/Platform.h"

namespace vb {

namespace {
unsigned char Upper(unsigned char letter) {
  const std::string upper = GetPlatform().UpperCase(std::string(1, static_cast<char>(letter)));
  return upper.size() == 1 ? static_cast<unsigned char>(upper[0]) : letter;
}
}  // namespace

int StockSlotFor(const TStockLetters& stock, unsigned char letter) {
  if (letter == 0) return -1;
  const unsigned char wanted = Upper(letter);
  for (int slot = 0; slot < StockSize; ++slot)
    if (stock.Letter(slot) != 0 && (stock.Letter(slot) == letter || Upper(stock.Letter(slot)) == wanted))
      return slot;
  return -1;
}

bool TKeyboardCursor::Start(const TBoard& board, int column, int row) {
  if (!board.IsInPlay(column, row)) return false;
  Active = true;
  Column = column;
  Row = row;
  Typed.clear();
  return true;
}

void TKeyboardCursor::Move(const TBoard& board, int columns, int rows) {
  if (board.IsInPlay(Column + columns, Row + rows)) {
    Column += columns;
    Row += rows;
  }
}

bool TKeyboardCursor::Type(TGameState& state, unsigned char letter) {
  const int slot = StockSlotFor(state.Stock, letter);
  if (slot < 0 || !state.DropStockLetterOnBoard(slot, Column, Row)) return false;
  Typed.push_back({Column, Row});
  // On to the next empty cell; at the board's edge the cursor stays.
  int column = Column, row = Row;
  do {
    column += Down ? 0 : 1;
    row += Down ? 1 : 0;
  } while (state.Board.IsInPlay(column, row) && state.Board.IsOccupied(column, row));
  if (state.Board.IsInPlay(column, row)) {
    Column = column;
    Row = row;
  }
  return true;
}

bool TKeyboardCursor::Backspace(TGameState& state) {
  while (!Typed.empty()) {
    const TCellPosition cell = Typed.back();
    Typed.pop_back();
    // A letter dragged away since is no longer the typist's to take back.
    if (!state.Board.IsLoose(cell.Column, cell.Row)) continue;
    if (!state.ReturnLooseLetterToStock(cell.Column, cell.Row)) return false;
    Column = cell.Column;
    Row = cell.Row;
    return true;
  }
  return false;
}

}  // namespace vb
