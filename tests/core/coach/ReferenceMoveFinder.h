#pragma once
// The move finder as it was before its walk was made faster: a plain search
// per run of cells, kept to prove the fast finder lists exactly the same moves
// in the same order. Test-only.
#include <cstddef>
#include <optional>
#include <vector>

#include "core/coach/Move.h"
#include "core/coach/WordGraph.h"
#include "core/dictionary/Dictionary.h"
#include "core/game/GameState.h"

namespace vb::test {

class TReferenceMoveFinder {
 public:
  TReferenceMoveFinder(const TWordGraph& graph, const TDictionary& dictionary) : graph_(graph), dictionary_(dictionary) {}

  std::vector<TMove> AllMoves(const TGameState& state) const;
  std::optional<TMove> BestMove(const TGameState& state) const;
  std::size_t CountMoves(const TGameState& state) const;

 private:
  const TWordGraph& graph_;
  const TDictionary& dictionary_;
};

}  // namespace vb::test
