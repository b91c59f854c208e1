// Letters moving between the stock and the board, and on the board.
#include "core/Game.h"

namespace vb {

bool TGame::CanDropStockLetterOnBoard(int slot, int column, int row) const {
  // An eighth loose letter could not be listed (only a crafted game file can
  // hold seven loose letters and stock letters at once).
  return Stock.Letter(slot) != 0 && Board.IsInPlay(column, row) && Board.Cell(column, row).Letter == 0 &&
         Board.LooseCount() < MaxLooseLetters;
}

bool TGame::CanMoveBoardLetter(int fromColumn, int fromRow, int toColumn, int toRow) const {
  return Board.IsLoose(fromColumn, fromRow) && Board.IsInPlay(toColumn, toRow) &&
         Board.Cell(toColumn, toRow).Letter == 0 && (fromColumn != toColumn || fromRow != toRow);
}

bool TGame::CanDropBoardLetterOnStock(int column, int row, int slot) const {
  return Board.IsLoose(column, row) && TStockLetters::IsSlot(slot) && Stock.Letter(slot) == 0;
}

bool TGame::CanSwapStockLetters(int sourceSlot, int targetSlot) const {
  return Stock.Letter(sourceSlot) != 0 && TStockLetters::IsSlot(targetSlot) && sourceSlot != targetSlot;
}

bool TGame::DropStockLetterOnBoard(int slot, int column, int row) {
  if (!CanDropStockLetterOnBoard(slot, column, row)) return false;
  Board.SetCell(column, row, TBoardCell{Stock.Letter(slot), true});
  AddLooseLetter(column, row);
  Stock.SetLetter(slot, 0);
  ShowScore(PossibleScore());
  Modified = true;
  UpdatePutButtons();
  return true;
}

bool TGame::MoveBoardLetter(int fromColumn, int fromRow, int toColumn, int toRow) {
  if (!CanMoveBoardLetter(fromColumn, fromRow, toColumn, toRow)) return false;
  Board.SetCell(toColumn, toRow, TBoardCell{Board.Cell(fromColumn, fromRow).Letter, true});
  Board.SetCell(fromColumn, fromRow, TBoardCell{});
  MoveLooseLetter(fromColumn, fromRow, toColumn, toRow);
  Modified = true;
  UpdatePutButtons();
  return true;
}

bool TGame::DropBoardLetterOnStock(int column, int row, int slot) {
  if (!CanDropBoardLetterOnStock(column, row, slot)) return false;
  Stock.SetLetter(slot, Board.Cell(column, row).Letter);
  RemoveLooseLetter(column, row);
  UpdatePutButtons();
  ShowScore(PossibleScore());
  return true;
}

bool TGame::SwapStockLetters(int sourceSlot, int targetSlot) {
  if (!CanSwapStockLetters(sourceSlot, targetSlot)) return false;
  Stock.Swap(sourceSlot, targetSlot);
  return true;
}

bool TGame::ReturnLooseLetterToStock(int column, int row) {
  const int slot = FirstEmptyStockPanel();
  if (!Board.IsLoose(column, row) || slot < 0) return false;
  Stock.SetLetter(slot, Board.Cell(column, row).Letter);
  RemoveLooseLetter(column, row);
  Modified = true;
  UpdatePutButtons();
  ShowScore(PossibleScore());
  return true;
}

}  // namespace vb
