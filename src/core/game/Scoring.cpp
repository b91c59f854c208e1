#include "core/game/Scoring.h"

#include <cstdint>
#include <limits>

namespace vb {

std::int32_t LetterScoreOf(const TDictionary& dictionary, unsigned char letter) {
  const int slot = dictionary.LetterIndex(letter);
  return slot < 0 ? 0 : dictionary.LetterScores[slot];
}

std::int32_t PossibleScore(const TBoard& board, const TDictionary& dictionary) {
  const int count = board.LooseCount();
  if (count == 0) return 0;
  std::int64_t sum = dictionary.LengthScore(count);
  for (int i = 0; i < count; ++i) {
    const TCellPosition p = board.LooseLetter(i);
    sum += LetterScoreOf(dictionary, board.Cell(p.Column, p.Row).Letter);
  }
  return static_cast<std::int32_t>(sum);
}

std::int32_t AddScore(std::int32_t score, std::int32_t points) {
  const std::int64_t sum = static_cast<std::int64_t>(score) + points;
  if (sum > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (sum < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(sum);
}

}  // namespace vb
