#include "app/MainWindowAccess.h"

#include "ui/Gdi.h"

namespace vb {

void TMainWindowAccess::Connect() {
  TMainWindowControls& c = controls_;
  // A drop-down list reads as its selected item and the moves list has no
  // label before it; the edits would find theirs, but are named alike so every
  // field reads as the label the player sees.
  c.ColumnsCountComboBox.SetAccessibleName(c.ColumnsCountLabel.Text());
  c.RowsCountComboBox.SetAccessibleName(c.RowsCountLabel.Text());
  c.DictionaryEdit.SetAccessibleName(c.DictionaryLabel.Text());
  c.WordsListEdit.SetAccessibleName(c.WordsListLabel.Text());
  c.HistoryList.SetAccessibleName(c.HistoryGroupBox.Text());
}

bool TMainWindowAccess::BoardFocusDue() const {
  HWND board = controls_.BoardPaintBox.Handle();
  if (!board || ::GetFocus() != board || view_.Shown().Cursor.Active) return false;
  // Focus cues stay hidden, as on every control, until the keyboard is used.
  return !(::SendMessageA(board, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

void TMainWindowAccess::PaintBoardFocus(HDC dc) {
  framePainted_ = BoardFocusDue();
  const TBoard& board = view_.Shown().Board;
  if (!framePainted_ || board.ColumnsCount <= 0 || board.RowsCount <= 0) return;
  const RECT first = view_.Board().CellRect(0, 0);
  const RECT last = view_.Board().CellRect(board.ColumnsCount - 1, board.RowsCount - 1);
  const RECT cells{first.left, first.top, last.right, last.bottom};
  RECT client{};
  ::GetClientRect(controls_.BoardPaintBox.Handle(), &client);
  RECT frame{};
  if (!::IntersectRect(&frame, &cells, &client)) return;
  // Three pixels wide just inside the outer cells' outline, in the text colour
  // the cursor frame uses too: it shows on every fill, in high contrast as well.
  ::InflateRect(&frame, -2, -2);
  ui::FrameWithSystemColour(dc, frame, 3, COLOR_WINDOWTEXT);
}

void TMainWindowAccess::AfterUpdate(const TViewChanges& changes) {
  const bool due = BoardFocusDue();
  if (due != framePainted_ || (due && !changes.Cells.empty())) controls_.BoardPaintBox.Invalidate();
}

}  // namespace vb
