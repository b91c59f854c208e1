#pragma once
// How the move finder reads a position: the board without its loose letters,
// along rows and columns, the letters at hand, and the runs of cells a move
// may fill, each as the graph walks that read it. Internal to the finder.
#include <array>
#include <cstdint>
#include <vector>

#include "core/dictionary/Dictionary.h"
#include "core/game/Board.h"
#include "core/game/GameState.h"

namespace vb::finder {

// The position as the finder sees it: the board without loose letters, read
// along rows (direction 0) and columns (direction 1), and the letters at hand
// (stock plus loose letters).
struct TPosition {
  // Letter[d][line][i]: the fixed letter of cell i of the line, 0 when empty.
  std::array<std::array<std::array<unsigned char, BoardGridSize + 1>, BoardGridSize>, 2> Letter{};
  // Blocked[d][line][i]: a letter placed there would touch a letter across the word.
  std::array<std::array<std::array<bool, BoardGridSize>, BoardGridSize>, 2> Blocked{};
  std::array<int, 2> Lines{}, Length{};  // lines of each direction, cells per line
  std::array<int, 256> Counts{};
  std::array<std::int32_t, 256> Score{};
  std::vector<unsigned char> Letters;  // distinct letters at hand, best scoring first
  int MaxPlaced = 0;
  bool BoardEmpty = false;
};

// One graph walk along a line from one cell, forwards (the normal read of the
// runs starting there) or backwards (the flipped read of the runs ending
// there). A run is a stretch of cells a move fills completely; Stops has bit k
// set when the first k + 1 cells walked form one.
struct TWalk {
  std::uint8_t Direction = 0, Line = 0, From = 0;
  bool Backward = false;
  std::uint8_t Length = 0;  // cells up to the farthest stop
  std::uint32_t Stops = 0;
  std::int32_t Bound = 0;  // no move of the walk scores more

  int Cell(int step) const { return Backward ? From - step : From + step; }
};

// Reads the letters at hand (stock and loose letters) and the fixed letters.
void ReadPosition(const TGameState& state, const TDictionary& dictionary, TPosition& position);
// The runs the word check accepts: every empty cell of the run filled, none
// touching a letter across the word, a fixed letter in it once the board has
// one, and a single placed letter only at an end of the run (touching exactly
// one letter). Each run is read by the forward walk from its first cell and
// the backward walk from its last.
std::vector<TWalk> WalksOf(const TPosition& position);

}  // namespace vb::finder
