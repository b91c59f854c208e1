#pragma once
// One move: the stock letters placed (in board reading order), how the word is
// put, the word put and what it scores. Two moves are the same when they place
// the same letters on the same cells and put the same word.
#include <array>
#include <cstdint>
#include <string>

#include "core/game/Board.h"
#include "core/game/GameState.h"

namespace vb {

struct TPlacedLetter {
  std::uint8_t Column = 0;
  std::uint8_t Row = 0;
  unsigned char Letter = 0;
};
inline bool operator==(TPlacedLetter a, TPlacedLetter b) {
  return a.Column == b.Column && a.Row == b.Row && a.Letter == b.Letter;
}

struct TMove {
  std::array<TPlacedLetter, MaxLooseLetters> Letters{};
  int LettersCount = 0;  // 1..7
  bool Flipped = false;  // read right to left or bottom to top
  std::string Word;      // as put: already reversed for a flipped put
  std::int32_t Score = 0;

  const TPlacedLetter* begin() const { return Letters.data(); }
  const TPlacedLetter* end() const { return Letters.data() + LettersCount; }
};

bool operator==(const TMove& a, const TMove& b);
inline bool operator!=(const TMove& a, const TMove& b) { return !(a == b); }
// The order moves are offered in: higher score first, then the word, then the
// placed letters (column, row, letter), so every list has one fixed order.
bool IsBetterMove(const TMove& a, const TMove& b);

// Lays the move's letters on the board as loose letters, taken from the stock;
// loose letters already there go back first. False (state unchanged) when the
// letters are not at hand or a cell is taken.
bool LayOutMove(TGameState& state, const TMove& move);

}  // namespace vb
