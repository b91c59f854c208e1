#pragma once
// Keyboard play on the board: a click on an empty cell, or Enter while the
// board has the focus, puts the cursor there and gives the board the keyboard.
// Arrows move the cursor, Tab switches between typing across and down (with no
// cursor, and Shift+Tab always, it moves on to the other controls), a
// letter takes a stock letter equal to it, Backspace takes the last one back,
// Enter puts the word (Shift+Enter flipped) and Escape returns every loose
// letter and gives the keyboard back to the window.
#include <functional>
#include <vector>

#include "app/MainWindowControls.h"
#include "app/MainWindowView.h"
#include "core/presenter/CommandTable.h"
#include "core/presenter/GamePresenter.h"
#include "ui/GridAccessible.h"

namespace vb {

class TBoardKeyboard {
 public:
  TBoardKeyboard(TMainWindowControls& controls, const TMainWindowView& view, TGamePresenter& game,
                 std::function<void(TCommandId)> runCommand)
      : controls_(controls), view_(view), game_(game), runCommand_(std::move(runCommand)) {}
  void Connect();

  // The board has the focus: the window's single-letter keys stay silent.
  bool HasKeyboard() const;
  // A left click on an empty cell.
  void TakeKeyboardAt(int column, int row);

  void Key(WORD key, ShiftState shift);
  void Character(char character);
  // Screen readers: the board's cells changed or its cursor moved.
  void NotifyCellsChanged(const std::vector<TCellPosition>& cells) const;
  void NotifyCursorMoved() const;

 private:
  TMainWindowControls& controls_;
  const TMainWindowView& view_;
  TGamePresenter& game_;
  long ChildOf(int column, int row) const;

  std::function<void(TCommandId)> runCommand_;
  ui::GridAccessiblePtr accessible_;
};

}  // namespace vb
