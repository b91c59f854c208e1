#pragma once
// The board: a fixed 30 x 30 grid of cells, of which ColumnsCount x RowsCount is
// in play, and the list of loose letters (the cells placed this turn). The
// operations keep LooseLetters equal to the set of cells whose Loose flag is set.
// A plain value: copied to try or undo a move, compared to find what changed.
#include <array>

namespace vb {

constexpr int BoardGridSize = 30;
constexpr int MinBoardSize = 10;
constexpr int MaxBoardSize = 30;
constexpr int DefaultBoardSize = 15;
constexpr int MaxLooseLetters = 7;

// Letter 0 = empty. A letter with Loose clear is a fixed letter; an empty cell
// never has Loose set.
struct TBoardCell {
  unsigned char Letter = 0;
  bool Loose = false;
};
inline bool operator==(TBoardCell a, TBoardCell b) { return a.Letter == b.Letter && a.Loose == b.Loose; }
inline bool operator!=(TBoardCell a, TBoardCell b) { return !(a == b); }

struct TCellPosition {
  int Column = -1;
  int Row = -1;
};
inline bool operator==(TCellPosition a, TCellPosition b) { return a.Column == b.Column && a.Row == b.Row; }
inline bool operator!=(TCellPosition a, TCellPosition b) { return !(a == b); }

class TBoard {
 public:
  int ColumnsCount = DefaultBoardSize;
  int RowsCount = DefaultBoardSize;

  static bool IsOnGrid(int column, int row);
  bool IsInPlay(int column, int row) const;
  // An empty cell for positions off the grid.
  TBoardCell Cell(int column, int row) const;
  // In play and holding a letter (loose or fixed).
  bool IsOccupied(int column, int row) const;
  bool IsLoose(int column, int row) const;
  bool IsFixed(int column, int row) const;
  // Sets one cell of the grid (ignored off the grid). Does not touch LooseLetters.
  void SetCell(int column, int row, TBoardCell cell);

  int LooseCount() const { return looseCount_; }
  // Entry i (0..LooseCount-1) in order of placement; (-1, -1) outside.
  TCellPosition LooseLetter(int index) const;
  // The index of the entry equal to the position, or -1.
  int FindLooseLetter(int column, int row) const;

  // Every cell of the whole grid emptied, whatever the size in play; then ClearLooseLetters.
  void ClearBoard();
  // Empties LooseLetters; cells are not touched.
  void ClearLooseLetters();
  // Appends the position; false (nothing recorded) when seven are listed already.
  bool AddLooseLetter(int column, int row);
  // Takes a loose letter off the board: its cell is emptied and its entry
  // replaced by the last one. Positions that are not listed are ignored.
  void RemoveLooseLetter(int column, int row);
  // Every entry equal to the old position takes the new one; cells are not touched.
  void MoveLooseLetter(int oldColumn, int oldRow, int newColumn, int newRow);
  // Clears the Loose flag of every listed cell, then ClearLooseLetters.
  void FixLooseLetters();
  // True when no cell of the columns x rows rectangle holds a fixed letter.
  bool BoardHasNoFixedLetters(int columns, int rows) const;

  // Same size in play, same cells and the same loose letters in the same order.
  bool operator==(const TBoard& other) const;
  bool operator!=(const TBoard& other) const { return !(*this == other); }

 private:
  std::array<std::array<TBoardCell, BoardGridSize>, BoardGridSize> cells_{};  // [column][row]
  std::array<TCellPosition, MaxLooseLetters> looseLetters_{};
  int looseCount_ = 0;
};

}  // namespace vb
