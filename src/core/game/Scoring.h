#pragma once
// What a put word earns: the letter scores of its loose letters plus the bonus
// for their number. Fixed letters of the word earn nothing.
#include <cstdint>

#include "core/game/Board.h"
#include "core/dictionary/Dictionary.h"

namespace vb {

// 0 without loose letters; letters outside the alphabet score 0. Computed
// whether or not the loose letters form a valid word.
std::int32_t PossibleScore(const TBoard& board, const TDictionary& dictionary);
// The score of one letter (0 when it is not in the alphabet).
std::int32_t LetterScoreOf(const TDictionary& dictionary, unsigned char letter);
// score + points, held at the largest int32 instead of overflowing.
std::int32_t AddScore(std::int32_t score, std::int32_t points);

}  // namespace vb
