// Letters moved with the mouse: dragged between the stock panels and the board,
// returned or changed with the right button.
#include "app/VorbelleForm.h"

namespace vb {

namespace {
constexpr TCellPosition kNoCell{-1, -1};
}

void TVorbelleForm::ConnectDragAndDrop() {
  for (int slot = 0; slot < StockSize; ++slot) {
    drag_.RegisterTarget(StockLetterPanels[slot],
                         {[this, slot](ui::Window& source, int, int) { return StockLetterPanelDragOver(slot, source); },
                          [this, slot](ui::Window& source, int, int) { StockLetterPanelDragDrop(slot, source); }});
  }
  drag_.RegisterTarget(BoardPaintBox,
                       {[this](ui::Window& source, int x, int y) { return BoardPaintBoxDragOver(x, y, source); },
                        [this](ui::Window& source, int x, int y) { BoardPaintBoxDragDrop(x, y, source); }});
}

int TVorbelleForm::StockSlotOf(const ui::Window& window) const {
  for (int slot = 0; slot < StockSize; ++slot)
    if (&StockLetterPanels[slot] == &window) return slot;
  return -1;
}

void TVorbelleForm::StockLetterPanelMouseDown(int slot, const ui::MouseEvent& event) {
  if (event.Button == ui::MouseButton::Left) {
    if (game_.Stock.Letter(slot) == 0) return;
    dragSource_ = kNoCell;
    drag_.Begin(StockLetterPanels[slot]);
  } else if (event.Button == ui::MouseButton::Right) {
    game_.ChangeStockLetter(slot);
    UpdateStockCursor(slot);
  }
}

void TVorbelleForm::StockLetterPanelMouseMove(int slot) {
  game_.ShowLetterScore(game_.Stock.Letter(slot));
  UpdateStockCursor(slot);
}

void TVorbelleForm::UpdateStockCursor(int slot) {
  StockLetterPanels[slot].SetCursorShape(game_.Stock.Letter(slot) ? ui::CursorShape::HandPoint
                                                                   : ui::CursorShape::Default);
}

bool TVorbelleForm::StockLetterPanelDragOver(int slot, ui::Window& source) {
  const int sourceSlot = StockSlotOf(source);
  if (sourceSlot >= 0) return game_.CanSwapStockLetters(sourceSlot, slot);
  if (&source == &BoardPaintBox) return game_.CanDropBoardLetterOnStock(dragSource_.Column, dragSource_.Row, slot);
  return false;
}

void TVorbelleForm::StockLetterPanelDragDrop(int slot, ui::Window& source) {
  const int sourceSlot = StockSlotOf(source);
  if (sourceSlot >= 0) {
    game_.SwapStockLetters(sourceSlot, slot);
    UpdateStockCursor(sourceSlot);
  } else if (&source == &BoardPaintBox) {
    game_.DropBoardLetterOnStock(dragSource_.Column, dragSource_.Row, slot);
  }
  UpdateStockCursor(slot);
}

void TVorbelleForm::BoardPaintBoxMouseDown(const ui::MouseEvent& event) {
  const std::optional<TCellPosition> cell = boardView_.CellAt(event.X, event.Y);
  if (event.Button == ui::MouseButton::Left) {
    dragSource_ = cell ? *cell : kNoCell;
    if (cell && game_.Board.IsLoose(cell->Column, cell->Row)) {
      drag_.Begin(BoardPaintBox);
    } else {
      dragSource_ = kNoCell;
    }
  } else if (event.Button == ui::MouseButton::Right && cell) {
    game_.ReturnLooseLetterToStock(cell->Column, cell->Row);
    UpdateBoardCursor(cell->Column, cell->Row);
  }
}

bool TVorbelleForm::BoardPaintBoxDragOver(int x, int y, ui::Window& source) {
  const std::optional<TCellPosition> cell = boardView_.CellAt(x, y);
  if (!cell) return false;
  const int sourceSlot = StockSlotOf(source);
  if (sourceSlot >= 0) return game_.CanDropStockLetterOnBoard(sourceSlot, cell->Column, cell->Row);
  if (&source == &BoardPaintBox)
    return game_.CanMoveBoardLetter(dragSource_.Column, dragSource_.Row, cell->Column, cell->Row);
  return false;
}

void TVorbelleForm::BoardPaintBoxDragDrop(int x, int y, ui::Window& source) {
  const std::optional<TCellPosition> cell = boardView_.CellAt(x, y);
  if (!cell) return;
  const int sourceSlot = StockSlotOf(source);
  if (sourceSlot >= 0) {
    game_.DropStockLetterOnBoard(sourceSlot, cell->Column, cell->Row);
  } else if (&source == &BoardPaintBox) {
    game_.MoveBoardLetter(dragSource_.Column, dragSource_.Row, cell->Column, cell->Row);
  }
  UpdateBoardCursor(cell->Column, cell->Row);
}

}  // namespace vb
