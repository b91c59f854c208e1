#pragma once
// The coach of one game: it keeps the word graph of the dictionary's words
// list up to date (built in the background), lays out hints, and works out
// after every put what the best move would have been and how many legal moves
// the new position has. It only reads the game; the presenter applies what it
// returns. Nothing it keeps goes into the game file.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/coach/BackgroundGraph.h"
#include "core/coach/Move.h"
#include "core/dictionary/Dictionary.h"
#include "core/game/GameState.h"

namespace vb {

class TCoach {
 public:
  enum class THintKind { Preparing, NoLegalMove, Move };
  struct THint {
    THintKind Kind = THintKind::Preparing;
    TMove Move;
  };

  explicit TCoach(const TDictionary& dictionary) : dictionary_(dictionary) {}

  // Called on the building thread when a new graph is ready (see TBackgroundGraph).
  void SetGraphReadyHandler(std::function<void()> handler) { graph_.SetReadyHandler(std::move(handler)); }
  // The words list was read or changed: the graph is built again.
  void WordsListChanged(bool usable);
  bool Ready() const { return graph_.Graph() != nullptr; }
  void WaitUntilReady() const { graph_.Wait(); }
  // A hint waits this long for a graph that is being built before it says so.
  static constexpr int HintWaitMilliseconds = 3000;

  // A new game or a loaded one: no hints used, no feedback.
  void StartGame();
  // The next hint for this position: the best move first, then on each repeat
  // (while the fixed letters and the letters at hand stay the same) the next
  // word, from the best again after the last. Every shown move counts as a hint.
  THint NextHint(const TGameState& state);
  // The hint laid out last, until the next turn: the panel names it and says
  // which button puts it.
  const std::optional<TMove>& ShownHint() const { return shownHint_; }
  // Before a put: the best move of the position (the graph still matches the list).
  void BeforePut(const TGameState& state);
  // After the put scored `points`; the new position is counted when the graph is ready.
  void AfterPut(std::int32_t points);
  // Counts the legal moves of the position when it or the graph changed since the last count.
  void Recount(const TGameState& state);

  int HintsUsed() const { return hintsUsed_; }
  // The legal moves of the position last counted; none while the graph is being built.
  const std::optional<std::size_t>& LegalMoves() const { return legalMoves_; }
  // The best possible score before the last put; none when it was not known
  // (the graph was being built) or no known word could be put.
  std::optional<std::int32_t> BestScoreBeforePut() const {
    return bestKnown_ && bestBeforePut_ ? std::optional<std::int32_t>(bestBeforePut_->Score) : std::nullopt;
  }
  // The panel's lines: best possible, the comparison, legal moves now, hints used.
  std::string BestLine() const;
  std::string ComparisonLine() const;
  std::string LegalMovesLine() const;
  std::string HintsLine() const;

 private:
  // The moves a hint walks through: per word, best first, one way to put it.
  std::vector<TMove> HintChoices(const TGameState& state, const TWordGraph& graph) const;

  const TDictionary& dictionary_;
  TBackgroundGraph graph_;
  int hintsUsed_ = 0;
  std::string hintKey_;  // the position the hint choices belong to
  std::vector<TMove> hintChoices_;
  std::size_t hintIndex_ = 0;
  bool hadPut_ = false;
  std::optional<TMove> bestBeforePut_;
  bool bestKnown_ = false;  // the graph was ready before the put
  std::int32_t scored_ = 0;
  std::optional<TMove> shownHint_;
  std::optional<std::size_t> legalMoves_;
  std::string countedKey_;
  std::shared_ptr<const TWordGraph> countedGraph_;  // held, so a later graph never reuses its address
  bool noWordsList_ = false;
};

}  // namespace vb
