#include "core/game/WordCheck.h"

namespace vb {

namespace {

// Steps along the word (along) and across it, for one direction.
struct Direction {
  int AlongColumn, AlongRow;
};
constexpr Direction Vertical{0, 1};
constexpr Direction Horizontal{1, 0};

bool Occupied(const TBoard& board, TCellPosition p) { return board.IsOccupied(p.Column, p.Row); }

TCellPosition Step(TCellPosition p, Direction d, int steps) {
  return TCellPosition{p.Column + d.AlongColumn * steps, p.Row + d.AlongRow * steps};
}

// The cells on either side of p, across the direction.
bool HasNeighbourAcross(const TBoard& board, TCellPosition p, Direction d) {
  const Direction across{d.AlongRow, d.AlongColumn};
  return Occupied(board, Step(p, across, -1)) || Occupied(board, Step(p, across, 1));
}

int Along(TCellPosition p, Direction d) { return d.AlongColumn ? p.Column : p.Row; }

std::string ReadWord(const TBoard& board, Direction d) {
  const int count = board.LooseCount();
  TCellPosition first = board.LooseLetter(0);
  TCellPosition last = first;
  for (int i = 1; i < count; ++i) {
    const TCellPosition p = board.LooseLetter(i);
    if (Along(p, d) < Along(first, d)) first = p;
    if (Along(p, d) > Along(last, d)) last = p;
  }
  while (Occupied(board, Step(first, d, -1))) first = Step(first, d, -1);
  while (Occupied(board, Step(last, d, 1))) last = Step(last, d, 1);

  for (int i = 0; i < count; ++i)
    if (HasNeighbourAcross(board, board.LooseLetter(i), d)) return {};

  std::string word;
  bool hasFixedLetter = false;
  for (TCellPosition p = first; Along(p, d) <= Along(last, d); p = Step(p, d, 1)) {
    if (!Occupied(board, p)) return {};  // a gap
    word += static_cast<char>(board.Cell(p.Column, p.Row).Letter);
    hasFixedLetter = hasFixedLetter || board.IsFixed(p.Column, p.Row);
  }
  if (hasFixedLetter || board.BoardHasNoFixedLetters(board.ColumnsCount, board.RowsCount)) return word;
  return {};
}

}  // namespace

std::string CurrentWord(const TBoard& board) {
  const int count = board.LooseCount();
  if (count == 0) return {};
  const TCellPosition origin = board.LooseLetter(0);
  bool oneColumn = true, oneRow = true;
  for (int i = 0; i < count; ++i) {
    const TCellPosition p = board.LooseLetter(i);
    if (!board.IsLoose(p.Column, p.Row)) return {};  // the list is out of step with the cells
    oneColumn = oneColumn && p.Column == origin.Column;
    oneRow = oneRow && p.Row == origin.Row;
  }
  if (!oneColumn && !oneRow) return {};

  if (count == 1) {
    const int vertical = Occupied(board, Step(origin, Vertical, -1)) + Occupied(board, Step(origin, Vertical, 1));
    const int horizontal =
        Occupied(board, Step(origin, Horizontal, -1)) + Occupied(board, Step(origin, Horizontal, 1));
    if (vertical + horizontal != 1) return {};
    return ReadWord(board, vertical == 1 ? Vertical : Horizontal);
  }
  return ReadWord(board, oneColumn ? Vertical : Horizontal);
}

}  // namespace vb
