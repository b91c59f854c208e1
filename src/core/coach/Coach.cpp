#include "core/coach/Coach.h"

#include <algorithm>
#include <cstdlib>

#include "core/coach/CoachTexts.h"
#include "core/coach/MoveFinder.h"

namespace vb {

namespace {
// The fixed letters and the multiset of letters at hand (stock and loose):
// moving letters about does not change it, a turn does.
std::string PositionKey(const TGameState& state) {
  std::string key;
  std::string hand;
  const TBoard& board = state.Board;
  key += static_cast<char>(board.ColumnsCount);
  key += static_cast<char>(board.RowsCount);
  for (int row = 0; row < board.RowsCount; ++row)
    for (int column = 0; column < board.ColumnsCount; ++column) {
      const TBoardCell cell = board.Cell(column, row);
      if (cell.Letter == 0) {
        key += '\0';
      } else if (cell.Loose) {
        key += '\0';
        hand += static_cast<char>(cell.Letter);
      } else {
        key += static_cast<char>(cell.Letter);
      }
    }
  for (int slot = 0; slot < StockSize; ++slot)
    if (state.Stock.Letter(slot)) hand += static_cast<char>(state.Stock.Letter(slot));
  std::sort(hand.begin(), hand.end());
  return key + '|' + hand;
}

// Twice the distance of the move's letters from the board's centre, so the
// hint the player sees first lies where the eye is.
int DistanceFromCentre(const TMove& move, const TBoard& board) {
  int distance = 0;
  for (const TPlacedLetter& p : move)
    distance += std::abs(2 * p.Column - (board.ColumnsCount - 1)) + std::abs(2 * p.Row - (board.RowsCount - 1));
  return distance;
}
}  // namespace

void TCoach::WordsListChanged(bool usable) {
  hintKey_.clear();
  hintChoices_.clear();
  if (usable) {
    graph_.Request(dictionary_.WordsList.Entries(), dictionary_.WordsList.Fold());
  } else {
    graph_.Clear();
  }
}

void TCoach::StartGame() {
  hintsUsed_ = 0;
  hintKey_.clear();
  hintChoices_.clear();
  hadPut_ = false;
  shownHint_.reset();
  bestBeforePut_.reset();
  bestKnown_ = false;
  legalMoves_.reset();
  countedGraph_.reset();
}

std::vector<TMove> TCoach::HintChoices(const TGameState& state, const TWordGraph& graph) const {
  const std::vector<TMove> all = TMoveFinder(graph, dictionary_).AllMoves(state);
  std::vector<TMove> choices;
  // AllMoves groups the ways to put one word for one score; keep the plain put
  // nearest the centre of each group.
  for (std::size_t first = 0; first < all.size();) {
    std::size_t end = first;
    std::size_t chosen = first;
    while (end < all.size() && all[end].Score == all[first].Score && all[end].Word == all[first].Word) {
      const auto rank = [&](const TMove& m) { return std::make_pair(m.Flipped, DistanceFromCentre(m, state.Board)); };
      if (rank(all[end]) < rank(all[chosen])) chosen = end;
      ++end;
    }
    choices.push_back(all[chosen]);
    first = end;
  }
  return choices;
}

TCoach::THint TCoach::NextHint(const TGameState& state) {
  graph_.WaitFor(HintWaitMilliseconds);
  const std::shared_ptr<const TWordGraph> graph = graph_.Graph();
  if (!graph) return {THintKind::Preparing, {}};
  const std::string key = PositionKey(state);
  if (key != hintKey_) {
    hintChoices_ = HintChoices(state, *graph);
    hintKey_ = key;
    hintIndex_ = 0;
  } else if (!hintChoices_.empty()) {
    hintIndex_ = (hintIndex_ + 1) % hintChoices_.size();
  }
  if (hintChoices_.empty()) return {THintKind::NoLegalMove, {}};
  ++hintsUsed_;
  shownHint_ = hintChoices_[hintIndex_];
  return {THintKind::Move, *shownHint_};
}

void TCoach::BeforePut(const TGameState& state) {
  const std::shared_ptr<const TWordGraph> graph = graph_.Graph();
  bestKnown_ = graph != nullptr;
  bestBeforePut_ = graph ? TMoveFinder(*graph, dictionary_).BestMove(state) : std::nullopt;
}

void TCoach::AfterPut(std::int32_t points) {
  hadPut_ = true;
  shownHint_.reset();
  scored_ = points;
}

void TCoach::Recount(const TGameState& state) {
  const std::shared_ptr<const TWordGraph> graph = graph_.Graph();
  std::string key = PositionKey(state);
  if (graph && graph == countedGraph_ && key == countedKey_) return;
  // A new position: a hint laid out for the old one is no longer on offer.
  if (key != countedKey_ && key != hintKey_) shownHint_.reset();
  countedKey_ = std::move(key);
  countedGraph_ = graph;
  legalMoves_ = graph ? std::optional<std::size_t>(TMoveFinder(*graph, dictionary_).CountMoves(state)) : std::nullopt;
  noWordsList_ = !graph && !graph_.Preparing();
}

std::string TCoach::BestLine() const {
  if (shownHint_) return HintText(*shownHint_);
  if (!hadPut_) return "Put a word to compare it with the best move.";
  if (!bestKnown_) return "Best possible: not known (the words list was being prepared)";
  return BestPossibleText(bestBeforePut_);
}

std::string TCoach::ComparisonLine() const {
  if (!hadPut_) return "";
  if (!bestKnown_ || !bestBeforePut_) return PutComparisonText(scored_, std::nullopt);
  return PutComparisonText(scored_, bestBeforePut_->Score);
}

std::string TCoach::LegalMovesLine() const {
  return noWordsList_ ? std::string("Legal moves now: no words list") : LegalMovesText(legalMoves_);
}
std::string TCoach::HintsLine() const { return HintsUsedText(hintsUsed_); }

}  // namespace vb
