#pragma once
// Letters moved with the mouse in the main window: dragged between the stock
// panels and the board, returned or changed with the right button, and the
// letter score and hand cursor under the mouse. Each finished gesture is one
// command of the presenter.
#include <functional>

#include "app/MainWindowControls.h"
#include "app/MainWindowView.h"
#include "core/presenter/GamePresenter.h"
#include "ui/DragManager.h"

namespace vb {

class TLetterDrag {
 public:
  TLetterDrag(TMainWindowControls& controls, const TMainWindowView& view, TGamePresenter& game);
  // Registers the panels and the board as drag sources and targets.
  void Connect();

  ui::DragManager& Manager() { return drag_; }
  // A left click on an empty cell (keyboard play starts there).
  std::function<void(int column, int row)> OnEmptyCellClicked;
  // A drag is over this point of the board (it may scroll a zoomed board).
  std::function<void(int x, int y)> OnBoardDraggedOver;
  // The board cell a drag from the board started on ((-1, -1) otherwise).
  TCellPosition Source() const { return source_; }

  void StockLetterPanelMouseDown(int slot, const ui::MouseEvent& event);
  void StockLetterPanelMouseMove(int slot);
  bool StockLetterPanelDragOver(int slot, ui::Window& source);
  void StockLetterPanelDragDrop(int slot, ui::Window& source);
  void BoardPaintBoxMouseDown(const ui::MouseEvent& event);
  void BoardPaintBoxMouseMove(const ui::MouseEvent& event);
  bool BoardPaintBoxDragOver(int x, int y, ui::Window& source);
  void BoardPaintBoxDragDrop(int x, int y, ui::Window& source);

 private:
  void UpdateStockCursor(int slot);
  void UpdateBoardCursor(int column, int row);

  TMainWindowControls& controls_;
  const TMainWindowView& view_;
  TGamePresenter& game_;
  ui::DragManager drag_;
  TCellPosition source_{-1, -1};
};

}  // namespace vb
