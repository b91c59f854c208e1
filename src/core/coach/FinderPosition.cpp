#include "core/coach/FinderPosition.h"

#include <algorithm>

#include "core/game/Scoring.h"

namespace vb::finder {

void ReadPosition(const TGameState& state, const TDictionary& dictionary, TPosition& position) {
  TBoard board = state.Board;
  int atHand = 0;
  auto take = [&](unsigned char letter) {
    if (letter == 0) return;
    if (position.Counts[letter]++ == 0) position.Letters.push_back(letter);
    ++atHand;
  };
  for (int slot = 0; slot < StockSize; ++slot) take(state.Stock.Letter(slot));
  while (board.LooseCount() > 0) {
    const TCellPosition p = board.LooseLetter(board.LooseCount() - 1);
    take(board.Cell(p.Column, p.Row).Letter);
    board.RemoveLooseLetter(p.Column, p.Row);
  }
  for (unsigned char letter : position.Letters) position.Score[letter] = LetterScoreOf(dictionary, letter);
  std::stable_sort(position.Letters.begin(), position.Letters.end(),
                   [&](unsigned char a, unsigned char b) { return position.Score[a] > position.Score[b]; });
  position.MaxPlaced = std::min(atHand, MaxLooseLetters);
  position.BoardEmpty = board.BoardHasNoFixedLetters(board.ColumnsCount, board.RowsCount);
  position.Lines = {board.RowsCount, board.ColumnsCount};
  position.Length = {board.ColumnsCount, board.RowsCount};
  for (int column = 0; column < board.ColumnsCount; ++column)
    for (int row = 0; row < board.RowsCount; ++row) {
      const unsigned char letter = board.IsOccupied(column, row) ? board.Cell(column, row).Letter : 0;
      position.Letter[0][row][column] = letter;
      position.Letter[1][column][row] = letter;
    }
  // A cell is blocked along one direction by a letter beside it in the other.
  for (int d = 0; d < 2; ++d)
    for (int line = 0; line < position.Lines[d]; ++line)
      for (int i = 0; i < position.Length[d]; ++i) {
        const auto& across = position.Letter[1 - d][i];
        position.Blocked[d][line][i] = (line > 0 && across[line - 1] != 0) || across[line + 1] != 0;
      }
}

std::vector<TWalk> WalksOf(const TPosition& position) {
  std::vector<TWalk> walks;
  if (position.MaxPlaced == 0) return walks;
  std::array<TWalk, BoardGridSize> backward;
  for (int d = 0; d < 2; ++d)
    for (int line = 0; line < position.Lines[d]; ++line) {
      const auto& letter = position.Letter[d][line];
      const auto& blocked = position.Blocked[d][line];
      const int length = position.Length[d];
      for (int i = 0; i < length; ++i)
        backward[i] = TWalk{static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(line),
                            static_cast<std::uint8_t>(i), true, 0, 0, 0};
      for (int start = 0; start < length; ++start) {
        if (start > 0 && letter[start - 1] != 0) continue;
        TWalk forward{static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(line), static_cast<std::uint8_t>(start),
                      false, 0, 0, 0};
        int free = 0, firstFree = -1;
        bool hasFixed = false;
        for (int end = start; end < length; ++end) {
          if (letter[end] != 0) {
            hasFixed = true;
          } else {
            if (blocked[end] || ++free > position.MaxPlaced) break;
            if (firstFree < 0) firstFree = end;
          }
          if (letter[end + 1] != 0 || free == 0 || end == start) continue;
          if (!hasFixed && !position.BoardEmpty) continue;
          if (free == 1 && firstFree != start && firstFree != end) continue;
          forward.Stops |= 1u << (end - start);
          forward.Length = static_cast<std::uint8_t>(end - start + 1);
          TWalk& back = backward[end];
          back.Stops |= 1u << (end - start);
          back.Length = std::max<std::uint8_t>(back.Length, static_cast<std::uint8_t>(end - start + 1));
        }
        if (forward.Stops != 0) walks.push_back(forward);
      }
      for (int i = 0; i < length; ++i)
        if (backward[i].Stops != 0) walks.push_back(backward[i]);
    }
  return walks;
}

}  // namespace vb::finder
