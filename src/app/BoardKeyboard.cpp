#include "app/BoardKeyboard.h"

#include <optional>

#include "core/game/AccessibleNames.h"

namespace vb {

void TBoardKeyboard::Connect() {
  ui::PaintBox& board = controls_.BoardPaintBox;
  board.SetTabStop(true);
  board.OnDialogCode = [this](const MSG* message) -> UINT {
    UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    // Tab turns the typing direction while the cursor is on; otherwise, and
    // with Shift always, Tab moves on to the next control like everywhere else.
    const bool shiftTab = message && message->wParam == VK_TAB && ::GetKeyState(VK_SHIFT) < 0;
    if (view_.Shown().Cursor.Active && !shiftTab) code |= DLGC_WANTTAB;
    // Enter and Escape are the board's own while it has the keyboard.
    if (message && message->message == WM_KEYDOWN && (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE))
      code |= DLGC_WANTMESSAGE;
    return code;
  };
  board.OnKey = [this](WORD key, ShiftState shift) { Key(key, shift); };
  board.OnCharacter = [this](char character) { Character(character); };
  board.OnFocusChange = [this, &board](bool focused) {
    board.Invalidate();
    if (focused) NotifyCursorMoved();
  };

  // The board to a screen reader: one cell per child, row by row, named by the game.
  ui::GridAccessible::Source source;
  source.Name = "Board";
  source.Count = [this] {
    const TBoard& shown = view_.Shown().Board;
    return static_cast<long>(shown.ColumnsCount * shown.RowsCount);
  };
  source.ChildName = [this](long child) {
    const TBoard& shown = view_.Shown().Board;
    return BoardCellName(shown, static_cast<int>(child % shown.ColumnsCount),
                         static_cast<int>(child / shown.ColumnsCount));
  };
  source.ChildBounds = [this](long child) {
    const int columns = view_.Shown().Board.ColumnsCount;
    return view_.Board().CellRect(static_cast<int>(child % columns), static_cast<int>(child / columns));
  };
  source.ChildAt = [this](POINT point) {
    const std::optional<TCellPosition> cell = view_.Board().CellAt(point.x, point.y);
    return cell ? ChildOf(cell->Column, cell->Row) - 1 : -1L;
  };
  source.FocusedChild = [this] {
    const TKeyboardCursor& cursor = view_.Shown().Cursor;
    return cursor.Active ? ChildOf(cursor.Column, cursor.Row) - 1 : -1L;
  };
  accessible_.reset(ui::GridAccessible::Create(board.Handle(), std::move(source)));
  board.OnGetObject = [this](WPARAM wParam, LPARAM lParam) { return accessible_->Answer(wParam, lParam); };
}

long TBoardKeyboard::ChildOf(int column, int row) const {
  return static_cast<long>(row) * view_.Shown().Board.ColumnsCount + column + 1;
}

void TBoardKeyboard::NotifyCellsChanged(const std::vector<TCellPosition>& cells) const {
  HWND board = controls_.BoardPaintBox.Handle();
  if (!board) return;
  for (const TCellPosition& cell : cells)
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, board, OBJID_CLIENT, ChildOf(cell.Column, cell.Row));
}

void TBoardKeyboard::NotifyCursorMoved() const {
  const TKeyboardCursor& cursor = view_.Shown().Cursor;
  if (!cursor.Active || !HasKeyboard()) return;
  ::NotifyWinEvent(EVENT_OBJECT_FOCUS, controls_.BoardPaintBox.Handle(), OBJID_CLIENT,
                   ChildOf(cursor.Column, cursor.Row));
}

bool TBoardKeyboard::HasKeyboard() const {
  return controls_.BoardPaintBox.Handle() && ::GetFocus() == controls_.BoardPaintBox.Handle();
}

void TBoardKeyboard::TakeKeyboardAt(int column, int row) {
  if (!game_.StartKeyboard(column, row)) return;
  ::SetFocus(controls_.BoardPaintBox.Handle());
}

void TBoardKeyboard::Key(WORD key, ShiftState shift) {
  const TKeyboardCursor& cursor = view_.Shown().Cursor;
  switch (key) {
    case VK_LEFT:
      return game_.MoveKeyboardCursor(-1, 0);
    case VK_RIGHT:
      return game_.MoveKeyboardCursor(1, 0);
    case VK_UP:
      return game_.MoveKeyboardCursor(0, -1);
    case VK_DOWN:
      return game_.MoveKeyboardCursor(0, 1);
    case VK_TAB:
      return game_.ToggleTypingDirection();
    case VK_BACK:
      if (!game_.BackspaceTyped()) ::MessageBeep(MB_OK);
      return;
    case VK_RETURN:
      if (!cursor.Active) {
        // Tabbed to the board: the cursor starts in its middle.
        const TBoard& board = view_.Shown().Board;
        game_.StartKeyboard(board.ColumnsCount / 2, board.RowsCount / 2);
        return;
      }
      runCommand_((shift & ShiftBit(ShiftKey)) ? TCommandId::PutFlippedWord : TCommandId::PutWord);
      return;
    case VK_ESCAPE:
      game_.StopKeyboard();
      // The keyboard goes back to the window: its first control.
      ::SetFocus(controls_.WorkButton.Handle());
      return;
    default:
      return;
  }
}

void TBoardKeyboard::Character(char character) {
  const auto letter = static_cast<unsigned char>(character);
  // Control characters come with the keys above (Tab, Backspace, Enter, Escape).
  if (letter < 0x20 || letter == ' ') return;
  if (!view_.Shown().Cursor.Active || !game_.TypeLetter(letter)) ::MessageBeep(MB_OK);
}

}  // namespace vb
