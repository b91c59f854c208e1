#pragma once
// The word check: whether the loose letters, with the letters they touch, form
// exactly one word in one row or column.
#include <string>

#include "core/game/Board.h"

namespace vb {

// The letters of the word, read left to right or top to bottom, or "" when the
// loose letters form no valid word: not in one line, a gap, a loose letter with
// a neighbour across the word, or (once the board holds fixed letters) no fixed
// letter in the word. A single loose letter must touch exactly one letter.
std::string CurrentWord(const TBoard& board);

}  // namespace vb
