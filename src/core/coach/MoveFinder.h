#pragma once
// Every legal move of a position, or the best one. A move is legal when the
// game's word check accepts its letters and the words list's lookup knows the
// word it puts; the finder offers words from the word graph and judges each
// with the dictionary's own lookup. Loose letters on the board count as stock
// letters (the finder works on a copy with them taken off).
//
// Threads: a finder only reads the graph and the dictionary; the lookup asks the
// platform for sort keys, so run it where the dictionary is not being changed
// (the UI thread, in the game).
#include <cstddef>
#include <optional>
#include <vector>

#include "core/coach/Move.h"
#include "core/coach/WordGraph.h"
#include "core/dictionary/Dictionary.h"
#include "core/game/GameState.h"

namespace vb {

class TMoveFinder {
 public:
  // The graph must be built from the dictionary's current words list.
  TMoveFinder(const TWordGraph& graph, const TDictionary& dictionary) : graph_(graph), dictionary_(dictionary) {}

  // Every distinct legal move, best first (IsBetterMove).
  std::vector<TMove> AllMoves(const TGameState& state) const;
  // The first move of AllMoves, found with pruning; none when no move is legal.
  std::optional<TMove> BestMove(const TGameState& state) const;
  std::size_t CountMoves(const TGameState& state) const;

 private:
  const TWordGraph& graph_;
  const TDictionary& dictionary_;
};

}  // namespace vb
