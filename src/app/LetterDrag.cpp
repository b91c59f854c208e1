#include "app/LetterDrag.h"

namespace vb {

namespace {
constexpr TCellPosition kNoCell{-1, -1};
}

TLetterDrag::TLetterDrag(TMainWindowControls& controls, const TMainWindowView& view, TGamePresenter& game)
    : controls_(controls), view_(view), game_(game) {}

void TLetterDrag::Connect() {
  for (int slot = 0; slot < StockSize; ++slot) {
    ui::Panel& panel = controls_.StockLetterPanels[slot];
    panel.OnMouseDown = [this, slot](const ui::MouseEvent& event) { StockLetterPanelMouseDown(slot, event); };
    panel.OnMouseMove = [this, slot](const ui::MouseEvent&) { StockLetterPanelMouseMove(slot); };
    drag_.RegisterTarget(panel,
                         {[this, slot](ui::Window& source, int, int) { return StockLetterPanelDragOver(slot, source); },
                          [this, slot](ui::Window& source, int, int) { StockLetterPanelDragDrop(slot, source); }});
  }
  ui::PaintBox& board = controls_.BoardPaintBox;
  board.OnMouseDown = [this](const ui::MouseEvent& event) { BoardPaintBoxMouseDown(event); };
  board.OnMouseMove = [this](const ui::MouseEvent& event) { BoardPaintBoxMouseMove(event); };
  drag_.RegisterTarget(board, {[this](ui::Window& source, int x, int y) { return BoardPaintBoxDragOver(x, y, source); },
                               [this](ui::Window& source, int x, int y) { BoardPaintBoxDragDrop(x, y, source); }});
  controls_.BoardGroupBox.OnMouseMove = [this](const ui::MouseEvent& event) {
    game_.RandomPool().Stir(event.X, event.Y);
  };
}

void TLetterDrag::StockLetterPanelMouseDown(int slot, const ui::MouseEvent& event) {
  if (event.Button == ui::MouseButton::Left) {
    if (view_.Shown().Stock.Letter(slot) == 0) return;
    source_ = kNoCell;
    drag_.Begin(controls_.StockLetterPanels[slot]);
  } else if (event.Button == ui::MouseButton::Right) {
    game_.ChangeStockLetter(slot);
    UpdateStockCursor(slot);
  }
}

void TLetterDrag::StockLetterPanelMouseMove(int slot) {
  game_.ShowLetterScore(view_.Shown().Stock.Letter(slot));
  UpdateStockCursor(slot);
}

void TLetterDrag::UpdateStockCursor(int slot) {
  controls_.StockLetterPanels[slot].SetCursorShape(view_.Shown().Stock.Letter(slot) ? ui::CursorShape::HandPoint
                                                                                    : ui::CursorShape::Default);
}

void TLetterDrag::UpdateBoardCursor(int column, int row) {
  controls_.BoardPaintBox.SetCursorShape(view_.Shown().Board.IsLoose(column, row) ? ui::CursorShape::HandPoint
                                                                                  : ui::CursorShape::Default);
}

bool TLetterDrag::StockLetterPanelDragOver(int slot, ui::Window& source) {
  const int sourceSlot = controls_.StockSlotOf(source);
  if (sourceSlot >= 0) return game_.CanSwapStockLetters(sourceSlot, slot);
  if (&source == &controls_.BoardPaintBox) return game_.CanDropBoardLetterOnStock(source_.Column, source_.Row, slot);
  return false;
}

void TLetterDrag::StockLetterPanelDragDrop(int slot, ui::Window& source) {
  const int sourceSlot = controls_.StockSlotOf(source);
  if (sourceSlot >= 0) {
    game_.SwapStockLetters(sourceSlot, slot);
    UpdateStockCursor(sourceSlot);
  } else if (&source == &controls_.BoardPaintBox) {
    game_.DropBoardLetterOnStock(source_.Column, source_.Row, slot);
  }
  UpdateStockCursor(slot);
}

void TLetterDrag::BoardPaintBoxMouseDown(const ui::MouseEvent& event) {
  const std::optional<TCellPosition> cell = view_.Board().CellAt(event.X, event.Y);
  if (event.Button == ui::MouseButton::Left) {
    source_ = cell ? *cell : kNoCell;
    if (cell && view_.Shown().Board.IsLoose(cell->Column, cell->Row)) {
      drag_.Begin(controls_.BoardPaintBox);
    } else {
      source_ = kNoCell;
      if (cell && !view_.Shown().Board.IsOccupied(cell->Column, cell->Row) && OnEmptyCellClicked)
        OnEmptyCellClicked(cell->Column, cell->Row);
    }
  } else if (event.Button == ui::MouseButton::Right && cell) {
    game_.ReturnLooseLetterToStock(cell->Column, cell->Row);
    UpdateBoardCursor(cell->Column, cell->Row);
  }
}

void TLetterDrag::BoardPaintBoxMouseMove(const ui::MouseEvent& event) {
  const std::optional<TCellPosition> cell = view_.Board().CellAt(event.X, event.Y);
  game_.ShowLetterScore(cell ? view_.Shown().Board.Cell(cell->Column, cell->Row).Letter : 0);
  UpdateBoardCursor(cell ? cell->Column : -1, cell ? cell->Row : -1);
  game_.RandomPool().Stir(event.X, event.Y);
}

bool TLetterDrag::BoardPaintBoxDragOver(int x, int y, ui::Window& source) {
  if (OnBoardDraggedOver) OnBoardDraggedOver(x, y);
  const std::optional<TCellPosition> cell = view_.Board().CellAt(x, y);
  if (!cell) return false;
  const int sourceSlot = controls_.StockSlotOf(source);
  if (sourceSlot >= 0) return game_.CanDropStockLetterOnBoard(sourceSlot, cell->Column, cell->Row);
  if (&source == &controls_.BoardPaintBox)
    return game_.CanMoveBoardLetter(source_.Column, source_.Row, cell->Column, cell->Row);
  return false;
}

void TLetterDrag::BoardPaintBoxDragDrop(int x, int y, ui::Window& source) {
  const std::optional<TCellPosition> cell = view_.Board().CellAt(x, y);
  if (!cell) return;
  const int sourceSlot = controls_.StockSlotOf(source);
  if (sourceSlot >= 0) {
    game_.DropStockLetterOnBoard(sourceSlot, cell->Column, cell->Row);
  } else if (&source == &controls_.BoardPaintBox) {
    game_.MoveBoardLetter(source_.Column, source_.Row, cell->Column, cell->Row);
  }
  UpdateBoardCursor(cell->Column, cell->Row);
}

}  // namespace vb
