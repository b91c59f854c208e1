#include "core/coach/CoachTexts.h"

namespace vb {

const char* const NoLegalMoveText =
    "No word from the words list can be put with these stock letters. Press \"New stock letters\" to try others.";
const char* const CoachPreparingText = "The coach is still preparing the words list. Try again in a moment.";

namespace {
// Thousands separated, so long counts read at a glance.
std::string Grouped(std::size_t n) {
  std::string digits = std::to_string(n);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}
std::string Points(std::int32_t n) { return std::to_string(n) + (n == 1 ? " point" : " points"); }
}  // namespace

std::string BestPossibleText(const std::optional<TMove>& best) {
  if (!best) return "Best possible: no known word";
  return "Best possible: " + best->Word + " for " + Points(best->Score);
}

std::string PutComparisonText(std::int32_t scored, const std::optional<std::int32_t>& best) {
  if (!best) return "You scored " + Points(scored);
  if (scored == *best) return "You found the best move: " + Points(scored);
  if (scored > *best) return "You scored " + Points(scored) + ", more than any known word";
  return "You scored " + std::to_string(scored) + " of a possible " + std::to_string(*best);
}

std::string LegalMovesText(std::optional<std::size_t> count) {
  if (!count) return "Legal moves now: preparing the words list...";
  return "Legal moves now: " + Grouped(*count);
}

std::string HintText(const TMove& hint) {
  return "Hint: " + hint.Word + " for " + Points(hint.Score) + (hint.Flipped ? " (Put flipped word)" : "");
}

std::string HintsUsedText(int count) { return "Hints used in this game: " + std::to_string(count); }

}  // namespace vb
