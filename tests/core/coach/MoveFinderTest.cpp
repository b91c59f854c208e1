#include <gtest/gtest.h>

#include <random>

#include "core/coach/CoachTestSupport.h"
#include "core/coach/MoveFinder.h"
#include "core/game/Scoring.h"
#include "core/text/Text.h"

namespace vb {
namespace {

using test::KeysOf;

struct Coach {
  std::unique_ptr<TDictionary> Dictionary;
  TWordGraph Graph;
  Coach(const std::string& alphabet, const std::vector<std::string>& words)
      : Dictionary(test::MakeDictionary(alphabet, words)),
        Graph(TWordGraph::Build(Dictionary->WordsList, Dictionary->Alphabet)) {}
  TMoveFinder Finder() const { return TMoveFinder(Graph, *Dictionary); }
};

// Every move is replayed through the game itself: laid out from the stock, the
// word check reads its word, the lookup knows the word put, the score is the game's.
void ExpectPlayable(const TGameState& state, const TDictionary& dictionary, const std::vector<TMove>& moves) {
  for (const TMove& move : moves) {
    TGameState laid = state;
    ASSERT_TRUE(LayOutMove(laid, move)) << move.Word;
    const std::string read = laid.CurrentWord();
    EXPECT_EQ(move.Flipped ? ReverseText(read) : read, move.Word);
    EXPECT_TRUE(laid.CanPutWord());
    EXPECT_TRUE(dictionary.IsKnownWord(move.Word)) << move.Word;
    EXPECT_EQ(laid.PossibleScore(dictionary), move.Score) << move.Word;
  }
}

// All moves against the exhaustive enumerator, ordered, counted, and the best one found alone.
void ExpectExact(const Coach& coach, const TGameState& state, int maxSpan = 30) {
  const std::vector<TMove> moves = coach.Finder().AllMoves(state);
  const std::set<test::TMoveKey> keys = KeysOf(moves);
  EXPECT_EQ(keys.size(), moves.size()) << "a move is listed twice";
  EXPECT_EQ(test::WithinSpan(keys, maxSpan), test::BruteForceMoves(state, *coach.Dictionary, maxSpan));
  EXPECT_TRUE(std::is_sorted(moves.begin(), moves.end(), IsBetterMove));
  EXPECT_EQ(coach.Finder().CountMoves(state), moves.size());
  const std::optional<TMove> best = coach.Finder().BestMove(state);
  ASSERT_EQ(best.has_value(), !moves.empty());
  if (best) {
    EXPECT_EQ(test::KeyOf(*best), test::KeyOf(moves.front()));
  }
  ExpectPlayable(state, *coach.Dictionary, moves);
}

TEST(MoveFinder, MatchesTheExhaustiveSearchOnSmallBoards) {
  std::mt19937 random(5);
  std::vector<std::string> words = test::RandomWords("ABCDE", 400, 6, random);
  words.insert(words.end(), {"ABA", "ABBA", "CC", "ACE", "ECA"});
  const Coach coach("ABCDE", words);
  ExpectExact(coach, test::MakeState(10, 10, {}, "ABCE"));  // the empty board
  for (int game = 0; game < 6; ++game) {
    TGameState state = test::RandomlyPlayed(10, 10, *coach.Dictionary, coach.Graph, 2 + game * 2, random, 4);
    ExpectExact(coach, state);
  }
}

TEST(MoveFinder, MatchesTheExhaustiveSearchUnderALocaleThatEquatesSpellings) {
  test::GermanFoldPlatform german;
  ScopedPlatform scope(german);
  std::mt19937 random(9);
  // Board spellings equal to entries of another spelling: sharp s and SS, the
  // ligature and AE, soft hyphens; first equal entries of another length.
  std::vector<std::string> words = test::RandomWords("ASE\xDF\xC6T", 250, 5, random);
  words.insert(words.end(), {"S\xDF", "TA\xAD" "S", "TAS", "SSE", "\xC6T", "AET", "S\xAD" "E", "SE", "ATE"});
  const Coach coach("ASE\xDF\xC6T\xAD", words);
  ExpectExact(coach, test::MakeState(10, 10, {}, "S\xDF" "E\xAD"));
  ExpectExact(coach, test::MakeState(10, 10, {"..T", "..A"}, "\xDF" "SE\xAD"));
  for (int game = 0; game < 6; ++game)
    ExpectExact(coach, test::RandomlyPlayed(10, 10, *coach.Dictionary, coach.Graph, 3 + game, random, 4));
}

TEST(MoveFinder, RandomGamesOnEveryBoardSizeAgreeWithTheGame) {
  std::mt19937 random(21);
  std::vector<std::string> words = test::RandomWords("ABCDEFGH", 3000, 8, random);
  const Coach coach("ABCDEFGH", words);
  for (int size : {10, 17, 24, 30}) {
    TGameState state = test::RandomlyPlayed(size, 40 - size, *coach.Dictionary, coach.Graph, size, random);
    // Seven letters at hand make the exhaustive search too slow on big boards:
    // it runs with three, after the finder has been checked with all seven.
    const std::vector<TMove> moves = coach.Finder().AllMoves(state);
    ExpectPlayable(state, *coach.Dictionary, moves);
    EXPECT_EQ(test::KeyOf(*coach.Finder().BestMove(state)), test::KeyOf(moves.front()));
    for (int slot = 3; slot < StockSize; ++slot) state.Stock.SetLetter(slot, 0);
    ExpectExact(coach, state, 8);
  }
}

TEST(MoveFinder, NamedPositions) {
  const Coach coach("ABCT", {"CAT", "ABA", "AB", "BB"});
  // T A C read left to right (or top to bottom) puts CAT flipped.
  std::vector<TMove> moves = coach.Finder().AllMoves(test::MakeState(10, 10, {".....", "..A.."}, "TC"));
  EXPECT_EQ(std::count_if(moves.begin(), moves.end(), [](const TMove& m) { return m.Word == "CAT" && m.Flipped; }), 2);
  EXPECT_EQ(std::count_if(moves.begin(), moves.end(), [](const TMove& m) { return m.Word == "CAT"; }), 4);
  // One letter beside A on each side, above and below.
  moves = coach.Finder().AllMoves(test::MakeState(10, 10, {".....", "..A.."}, "B"));
  EXPECT_EQ(moves.size(), 4u);
  // A palindrome is one move, not two.
  moves = coach.Finder().AllMoves(test::MakeState(10, 10, {"...", "..B"}, "AA"));
  EXPECT_EQ(std::count_if(moves.begin(), moves.end(), [](const TMove& m) { return m.Word == "ABA"; }), 2);
  // Repeated stock letters give each move once.
  ExpectExact(coach, test::MakeState(10, 10, {}, "BBBA"));
  // Nothing fits: no move, no best move.
  const TGameState stuck = test::MakeState(10, 10, {"T"}, "TT");
  EXPECT_TRUE(coach.Finder().AllMoves(stuck).empty());
  EXPECT_FALSE(coach.Finder().BestMove(stuck).has_value());
  EXPECT_FALSE(coach.Finder().BestMove(test::MakeState(10, 10, {"A"}, "")).has_value());
}

TEST(MoveFinder, LooseLettersCountAsStockLetters) {
  const Coach coach("ABCT", {"CAT", "TAB"});
  TGameState state = test::MakeState(10, 10, {".A"}, "T");
  state.Board.SetCell(5, 5, TBoardCell{'C', true});
  state.Board.AddLooseLetter(5, 5);
  const std::vector<TMove> moves = coach.Finder().AllMoves(state);
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(test::KeysOf(moves), test::BruteForceMoves(state, *coach.Dictionary));
  ExpectPlayable(state, *coach.Dictionary, moves);
}

TEST(MoveFinder, TheFirstEqualEntryDecides) {
  test::GermanFoldPlatform german;
  ScopedPlatform scope(german);
  // COOP's first equal entry is longer, so COOP is never offered; SS and sharp s
  // of equal length are interchangeable.
  const Coach coach("COPS\xDF", {"CO\xADOP", "COOP", "S\xDF"});
  EXPECT_TRUE(coach.Finder().AllMoves(test::MakeState(10, 10, {}, "COOP")).empty());
  const std::vector<TMove> moves = coach.Finder().AllMoves(test::MakeState(10, 10, {}, "S\xDF"));
  ASSERT_FALSE(moves.empty());
  std::set<std::string> put;
  for (const TMove& move : moves) put.insert(move.Word);
  EXPECT_EQ(put, (std::set<std::string>{"S\xDF", "\xDFS"}));
}

}  // namespace
}  // namespace vb
