#include "core/game/Board.h"

#include <algorithm>

namespace vb {

bool TBoard::IsOnGrid(int column, int row) {
  return column >= 0 && column < BoardGridSize && row >= 0 && row < BoardGridSize;
}

bool TBoard::IsInPlay(int column, int row) const {
  return IsOnGrid(column, row) && column < ColumnsCount && row < RowsCount;
}

TBoardCell TBoard::Cell(int column, int row) const {
  return IsOnGrid(column, row) ? cells_[column][row] : TBoardCell{};
}

bool TBoard::IsOccupied(int column, int row) const {
  return IsInPlay(column, row) && cells_[column][row].Letter != 0;
}

bool TBoard::IsLoose(int column, int row) const { return IsOccupied(column, row) && cells_[column][row].Loose; }

bool TBoard::IsFixed(int column, int row) const { return IsOccupied(column, row) && !cells_[column][row].Loose; }

void TBoard::SetCell(int column, int row, TBoardCell cell) {
  if (!IsOnGrid(column, row)) return;
  cells_[column][row] = cell;
}

TCellPosition TBoard::LooseLetter(int index) const {
  return index >= 0 && index < looseCount_ ? looseLetters_[index] : TCellPosition{};
}

int TBoard::FindLooseLetter(int column, int row) const {
  for (int i = 0; i < looseCount_; ++i)
    if (looseLetters_[i] == TCellPosition{column, row}) return i;
  return -1;
}

void TBoard::ClearBoard() {
  for (auto& column : cells_) column.fill(TBoardCell{});
  ClearLooseLetters();
}

void TBoard::ClearLooseLetters() { looseCount_ = 0; }

bool TBoard::AddLooseLetter(int column, int row) {
  if (looseCount_ >= MaxLooseLetters) return false;
  looseLetters_[looseCount_++] = TCellPosition{column, row};
  return true;
}

void TBoard::RemoveLooseLetter(int column, int row) {
  // Only a listed position is taken off: an unlisted one would otherwise clear
  // a stale entry (or a fixed letter) and leave the list out of step.
  const int index = FindLooseLetter(column, row);
  if (index < 0) return;
  SetCell(column, row, TBoardCell{});
  looseLetters_[index] = looseLetters_[looseCount_ - 1];
  --looseCount_;
}

void TBoard::MoveLooseLetter(int oldColumn, int oldRow, int newColumn, int newRow) {
  for (int i = 0; i < looseCount_; ++i)
    if (looseLetters_[i] == TCellPosition{oldColumn, oldRow}) looseLetters_[i] = TCellPosition{newColumn, newRow};
}

void TBoard::FixLooseLetters() {
  for (int i = 0; i < looseCount_; ++i) {
    const TCellPosition p = looseLetters_[i];
    if (!IsOnGrid(p.Column, p.Row)) continue;
    cells_[p.Column][p.Row].Loose = false;
  }
  ClearLooseLetters();
}

bool TBoard::BoardHasNoFixedLetters(int columns, int rows) const {
  columns = std::clamp(columns, 0, BoardGridSize);
  rows = std::clamp(rows, 0, BoardGridSize);
  for (int c = 0; c < columns; ++c)
    for (int r = 0; r < rows; ++r)
      if (cells_[c][r].Letter != 0 && !cells_[c][r].Loose) return false;
  return true;
}

bool TBoard::operator==(const TBoard& other) const {
  if (ColumnsCount != other.ColumnsCount || RowsCount != other.RowsCount || looseCount_ != other.looseCount_ ||
      cells_ != other.cells_)
    return false;
  return std::equal(looseLetters_.begin(), looseLetters_.begin() + looseCount_, other.looseLetters_.begin());
}

}  // namespace vb
