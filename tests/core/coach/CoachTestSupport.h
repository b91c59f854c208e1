#pragma once
// Shared set-up for the move-finder tests: a locale that folds like a German
// one (sharp s equals SS, AE ligature equals AE, soft hyphen ignored), small
// dictionaries built in memory, an exhaustive enumerator of moves that asks
// only the game's word check and lookup, and random legal play.
#include <memory>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/coach/Move.h"
#include "core/coach/MoveFinder.h"
#include "core/coach/WordGraph.h"
#include "core/dictionary/Dictionary.h"
#include "core/game/GameState.h"
#include "support/FakePlatform.h"

namespace vb::test {

class GermanFoldPlatform : public FakePlatform {
 public:
  int CompareTextIgnoreCase(const std::string& a, const std::string& b) override {
    return Normal(a).compare(Normal(b));
  }
  std::string SortKeyIgnoreCase(const std::string& text) override { return Normal(text); }
  static std::string Normal(const std::string& text);
};

// A dictionary over `alphabet` holding `words`, with letter scores 1..5 by slot
// and length bonuses that differ for every count.
std::unique_ptr<TDictionary> MakeDictionary(const std::string& alphabet, const std::vector<std::string>& words);

// A state with the given board size, fixed letters drawn from a picture ('.'
// empty) and the stock letters.
TGameState MakeState(int columns, int rows, const std::vector<std::string>& picture, const std::string& stock);

// A move reduced to what makes it distinct, plus its flag and score.
using TMoveKey = std::tuple<std::vector<std::tuple<int, int, int>>, std::string, bool, int>;
TMoveKey KeyOf(const TMove& move);
std::set<TMoveKey> KeysOf(const std::vector<TMove>& moves);

// Every legal move, found by trying every set of empty cells of each row and
// column (at most `maxSpan` apart) with every order of the letters at hand,
// asking the game's CurrentWord, IsKnownWord and PossibleScore.
std::set<TMoveKey> BruteForceMoves(const TGameState& state, const TDictionary& dictionary, int maxSpan = 30);
// The finder's moves whose placed letters lie at most `maxSpan` apart.
std::set<TMoveKey> WithinSpan(const std::set<TMoveKey>& moves, int maxSpan);

// Random legal play: moves chosen at random from the finder's list, the stock
// refilled from the alphabet, until `turns` words are put.
TGameState RandomlyPlayed(int columns, int rows, const TDictionary& dictionary, const TWordGraph& graph, int turns,
                          std::mt19937& random, int stockSize = StockSize);
void FillStockRandomly(TGameState& state, const TDictionary& dictionary, std::mt19937& random, int stockSize);

// Random words of 2..maxLength letters over the letters.
std::vector<std::string> RandomWords(const std::string& letters, int count, int maxLength, std::mt19937& random);

}  // namespace vb::test
