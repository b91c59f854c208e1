#pragma once
// Keyboard play on the board: a cursor on one cell, a typing direction
// (across, the start, or down), and the cells typed into so far, so Backspace
// can take the last one back. The rules move letters through the game state,
// exactly as a drag would; the cursor only says where.
#include <vector>

#include "core/game/Board.h"
#include "core/game/GameState.h"

namespace vb {

struct TKeyboardCursor {
  bool Active = false;
  int Column = 0, Row = 0;
  bool Down = false;                 // typing direction: false across, true down
  std::vector<TCellPosition> Typed;  // in the order typed

  bool operator==(const TKeyboardCursor& o) const {
    return Active == o.Active && Column == o.Column && Row == o.Row && Down == o.Down;
  }
  bool operator!=(const TKeyboardCursor& o) const { return !(*this == o); }

  // Puts the cursor on a cell in play; false (nothing changes) elsewhere.
  bool Start(const TBoard& board, int column, int row);
  // One cell in a direction, staying inside the cells in play.
  void Move(const TBoard& board, int columns, int rows);
  void ToggleDirection() { Down = !Down; }
  // Takes the first stock letter equal to `letter` (letter case ignored) and
  // drops it on the cursor's cell, then moves on to the next empty cell in the
  // typing direction. False (nothing changes) when the letter is not in the
  // stock or the cell cannot take it.
  bool Type(TGameState& state, unsigned char letter);
  // Returns the last typed letter still loose on the board to the stock and
  // puts the cursor back on its cell; false when there is none.
  bool Backspace(TGameState& state);
};

// The stock slot of the first letter equal to `letter`, letter case ignored; -1 when none.
int StockSlotFor(const TStockLetters& stock, unsigned char letter);

}  // namespace vb
