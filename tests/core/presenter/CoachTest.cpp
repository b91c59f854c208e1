#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/coach/CoachTexts.h"
#include "core/coach/MoveFinder.h"
#include "core/presenter/GamePresenter.h"
#include "core/presenter/GameView.h"
#include "core/text/Text.h"
#include "support/PresenterFixture.h"

namespace vb {

namespace {

class CoachTest : public test::PresenterTest {
 protected:
  CoachTest() : PresenterTest(TRandomPool{777, 10, 20}) {}
  void SetUp() override {
    // The coach panel is worked out for a game that is shown.
    StartNewGame("Coach", "CAB\r\nBEAD\r\nDAB\r\nACE\r\nBE\r\nAD\r\n",
                 [this](TGamePresenter& presenter) { presenter.SetView(&view); });
    game->Coach().WaitUntilReady();
  }

  void SetStock(const std::string& letters) {
    for (int slot = 0; slot < StockSize; ++slot)
      game->State.Stock.SetLetter(slot, slot < static_cast<int>(letters.size()) ? letters[slot] : 0);
  }

  std::vector<TMove> AllMoves() {
    TWordGraph graph = TWordGraph::Build(game->Dictionary.WordsList, game->Dictionary.Alphabet);
    return TMoveFinder(graph, game->Dictionary).AllMoves(game->State);
  }

  std::string Label(TGameLabel label) { return game->Label(label); }

  struct SilentView : TGameView {
    void Update(const TGameViewModel&, const TViewChanges&) override {}
  } view;
};

}  // namespace

TEST_F(CoachTest, AHintLaysOutTheBestMoveAndItsPutScoresTheBestScore) {
  SetStock("BEADCAJ");
  const std::vector<TMove> moves = AllMoves();
  ASSERT_FALSE(moves.empty());
  game->Publish();
  EXPECT_EQ(Label(TGameLabel::CoachLegalMoves), LegalMovesText(moves.size()));

  ASSERT_TRUE(game->Hint());
  EXPECT_EQ(Label(TGameLabel::CoachBest).rfind("Hint: " + moves.front().Word + " for ", 0), 0u);
  EXPECT_EQ(game->PossibleScore(), moves.front().Score);
  EXPECT_EQ(game->State.Stock.LettersCount(), 7 - moves.front().LettersCount);
  EXPECT_TRUE(game->Modified);
  ASSERT_TRUE(game->PutWord(game->State.CurrentWord() != moves.front().Word));
  EXPECT_EQ(game->State.Score, moves.front().Score);
  EXPECT_EQ(Label(TGameLabel::CoachBest), BestPossibleText(moves.front()));
  EXPECT_EQ(Label(TGameLabel::CoachComparison), PutComparisonText(moves.front().Score, moves.front().Score));
  EXPECT_EQ(Label(TGameLabel::CoachHints), "Hints used in this game: 1");
  EXPECT_EQ(Label(TGameLabel::CoachLegalMoves), LegalMovesText(AllMoves().size()));
}

TEST_F(CoachTest, RepeatedHintsWalkTheWordsBestFirstThenStartAgain) {
  SetStock("BEADCAG");
  std::vector<std::string> words;
  for (const TMove& move : AllMoves())
    if (words.empty() || words.back() != move.Word) words.push_back(move.Word);
  ASSERT_GE(words.size(), 3u);
  for (std::size_t i = 0; i <= words.size(); ++i) {
    ASSERT_TRUE(game->Hint());
    const std::string shown = game->State.CurrentWord();
    const std::string& expected = words[i % words.size()];
    EXPECT_TRUE(shown == expected || ReverseText(shown) == expected) << i << ": " << shown;
    // Moving the laid-out letters is no new position: the walk goes on.
    const TCellPosition loose = game->State.Board.LooseLetter(0);
    ASSERT_TRUE(game->ReturnLooseLetterToStock(loose.Column, loose.Row));
  }
  EXPECT_EQ(game->Coach().HintsUsed(), static_cast<int>(words.size()) + 1);

  game->Modified = false;
  game->Commands().NewGameMenuClick();
  EXPECT_EQ(Label(TGameLabel::CoachHints), "Hints used in this game: 0");
  EXPECT_EQ(Label(TGameLabel::CoachComparison), "");
}

TEST_F(CoachTest, WithoutALegalMoveAHintSaysSoAndLaysOutNothing) {
  SetStock("JJJJJJJ");
  const TGameState before = game->State;
  EXPECT_FALSE(game->Hint());
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, NoLegalMoveText);
  EXPECT_EQ(game->State, before);
  EXPECT_EQ(game->Coach().HintsUsed(), 0);
}

TEST_F(CoachTest, APoorerPutIsComparedWithTheBestAndAnAddedWordJoinsTheNextGraph) {
  SetStock("BEADCAG");
  const TMove best = AllMoves().front();
  // AD across the middle: known, and worth less than the best.
  const int row = game->State.Board.RowsCount / 2;
  ASSERT_TRUE(game->DropStockLetterOnBoard(2, 5, row));
  ASSERT_TRUE(game->DropStockLetterOnBoard(3, 6, row));
  const std::int32_t points = game->PossibleScore();
  ASSERT_LT(points, best.Score);
  ASSERT_TRUE(game->PutWord(false));
  EXPECT_EQ(Label(TGameLabel::CoachComparison), PutComparisonText(points, best.Score));
  EXPECT_EQ(Label(TGameLabel::CoachBest), BestPossibleText(best));

  // DIG is unknown; once put and added, the rebuilt graph offers it across to the G.
  SetStock("IG");
  ASSERT_TRUE(game->DropStockLetterOnBoard(0, 6, row + 1));
  ASSERT_TRUE(game->DropStockLetterOnBoard(1, 6, row + 2));
  ASSERT_EQ(game->State.CurrentWord(), "DIG");
  const std::int32_t before = game->State.Score;
  ASSERT_TRUE(game->PutWord(false));
  EXPECT_EQ(Label(TGameLabel::CoachComparison), PutComparisonText(game->State.Score - before, std::nullopt));
  SetStock("DI");
  ASSERT_TRUE(game->Hint());
  EXPECT_EQ(game->State.CurrentWord(), "DIG");
}

}  // namespace vb
