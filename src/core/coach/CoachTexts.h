#pragma once
// The coach panel's lines, made from numbers the coach has worked out.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/coach/Move.h"

namespace vb {

// "Best possible: PLAITS for 26"; what was possible before the last put.
std::string BestPossibleText(const std::optional<TMove>& best);
// How the last put compared with the best move before it; `best` is empty
// when no known word could be put then (an unknown word was allowed).
std::string PutComparisonText(std::int32_t scored, const std::optional<std::int32_t>& best);
// "Legal moves now: 1,234", or that the coach is still reading the words list.
std::string LegalMovesText(std::optional<std::size_t> count);
std::string HintsUsedText(int count);
// "Hint: PLAITS for 26 points", with the button to press for a word that reads backwards.
std::string HintText(const TMove& hint);

// The message of a hint that has nothing to show.
extern const char* const NoLegalMoveText;
extern const char* const CoachPreparingText;

}  // namespace vb
