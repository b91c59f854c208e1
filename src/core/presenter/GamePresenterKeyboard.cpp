// The presenter's keyboard play: the cursor and the letters typed onto the board.
#include "core/presenter/GamePresenter.h"

namespace vb {

// --- Keyboard play ------------------------------------------------------------------

bool TGamePresenter::StartKeyboard(int column, int row) {
  TCommandScope command(*this);
  return boardVisible_ && cursor_.Start(State.Board, column, row);
}

void TGamePresenter::MoveKeyboardCursor(int columns, int rows) {
  TCommandScope command(*this);
  if (cursor_.Active) cursor_.Move(State.Board, columns, rows);
}

void TGamePresenter::ToggleTypingDirection() {
  TCommandScope command(*this);
  if (cursor_.Active) cursor_.ToggleDirection();
}

bool TGamePresenter::TypeLetter(unsigned char letter) {
  TCommandScope command(*this);
  if (!cursor_.Active || !cursor_.Type(State, letter)) return false;
  Modified = true;
  AfterMove();
  return true;
}

bool TGamePresenter::BackspaceTyped() {
  TCommandScope command(*this);
  if (!cursor_.Active || !cursor_.Backspace(State)) return false;
  Modified = true;
  AfterMove();
  return true;
}

void TGamePresenter::StopKeyboard() {
  TCommandScope command(*this);
  bool returned = false;
  for (int i = State.Board.LooseCount() - 1; i >= 0; --i) {
    const TCellPosition cell = State.Board.LooseLetter(i);
    returned = State.ReturnLooseLetterToStock(cell.Column, cell.Row) || returned;
  }
  if (returned) {
    Modified = true;
    AfterMove();
  }
  cursor_ = TKeyboardCursor{};
}

}  // namespace vb
