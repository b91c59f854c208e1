#include <gtest/gtest.h>

#include <random>

#include "core/coach/CoachTestSupport.h"
#include "core/coach/MoveFinder.h"
#include "core/coach/ReferenceMoveFinder.h"

namespace vb {
namespace {

bool SameMoveExactly(const TMove& a, const TMove& b) {
  return a == b && a.Flipped == b.Flipped && a.Score == b.Score;
}

// The fast finder against the plain reference search: the same moves in the
// same order, the same count and the same best move, on random positions of
// random legal play (some with this turn's letters still loose), every board
// size, with and without a locale that equates spellings.
void ExpectSameAsReference(const std::string& alphabet, int wordsCount, int maxLength, unsigned seed) {
  std::mt19937 random(seed);
  const auto dictionary = test::MakeDictionary(alphabet, test::RandomWords(alphabet, wordsCount, maxLength, random));
  const TWordGraph graph = TWordGraph::Build(dictionary->WordsList, dictionary->Alphabet);
  const TMoveFinder finder(graph, *dictionary);
  const test::TReferenceMoveFinder reference(graph, *dictionary);
  for (int size = 10; size <= 30; size += 5) {
    TGameState state = test::RandomlyPlayed(size, 40 - size, *dictionary, graph, size / 3 + seed % 5, random);
    if (size % 10 == 5) {
      const std::vector<TMove> moves = finder.AllMoves(state);
      if (!moves.empty()) LayOutMove(state, moves.back());  // loose letters count as stock letters
    }
    const std::vector<TMove> expected = reference.AllMoves(state);
    const std::vector<TMove> moves = finder.AllMoves(state);
    ASSERT_EQ(moves.size(), expected.size()) << "size " << size;
    for (std::size_t i = 0; i < moves.size(); ++i)
      ASSERT_TRUE(SameMoveExactly(moves[i], expected[i])) << "size " << size << " move " << i << ": " << moves[i].Word
                                                          << " instead of " << expected[i].Word;
    EXPECT_EQ(finder.CountMoves(state), expected.size());
    const std::optional<TMove> best = finder.BestMove(state);
    ASSERT_EQ(best.has_value(), !expected.empty());
    if (best) {
      EXPECT_TRUE(SameMoveExactly(*best, *reference.BestMove(state))) << best->Word;
    }
  }
}

TEST(MoveFinder, ListsExactlyWhatTheReferenceSearchLists) {
  for (unsigned seed : {1u, 2u, 3u}) ExpectSameAsReference("ABCDEFGH", 1500, 8, seed);
  ExpectSameAsReference("ABCDE", 600, 5, 5);  // few letters: many ties and palindromes
  test::GermanFoldPlatform german;
  ScopedPlatform scope(german);
  for (unsigned seed : {6u, 7u}) ExpectSameAsReference("ASE\xDF\xC6T\xAD", 800, 6, seed);
}

}  // namespace
}  // namespace vb
