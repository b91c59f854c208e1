#include <gtest/gtest.h>

#include <limits>

#include "core/game/GameTestHelpers.h"
#include "core/presenter/GamePresenter.h"
#include "core/game/GameTexts.h"
#include "support/FakePlatform.h"

namespace vb {
namespace {

struct PutWordFixture : ::testing::Test {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  TRandomPool pool{3, 1, 2};
  TGamePresenter game{folder.Path(), &pool};

  void SetUp() override {
    // A, C, T, S with scores 2, 3, 5, 1; three placed letters earn a bonus of 10.
    const char letters[] = {'A', 'C', 'T', 'S'};
    const int scores[] = {2, 3, 5, 1};
    for (int i = 0; i < 4; ++i) {
      game.Dictionary.Alphabet[i] = static_cast<unsigned char>(letters[i]);
      game.Dictionary.LetterProbabilities[i] = 500;
      game.Dictionary.LetterScores[i] = scores[i];
    }
    game.Dictionary.LengthScores[2] = 10;
    game.Dictionary.WordsList.SetText("DOG\r\ncat\r\n");
  }
  // Puts the letters of `word` from the stock into row `row` from column `column`.
  void Place(const std::string& word, int column, int row) {
    for (std::size_t i = 0; i < word.size(); ++i) {
      game.State.Stock.SetLetter(static_cast<int>(i), static_cast<unsigned char>(word[i]));
      ASSERT_TRUE(game.DropStockLetterOnBoard(static_cast<int>(i), column + static_cast<int>(i), row));
    }
  }
};

TEST_F(PutWordFixture, AKnownWordIsFixedScoredAndTheStockRefilled) {
  Place("CAT", 4, 4);
  EXPECT_TRUE(game.PutButtonsEnabled());
  EXPECT_EQ(game.PossibleScore(), 20);  // 3 + 2 + 5 + bonus 10
  EXPECT_EQ(game.Label(TGameLabel::Score), "Score 0; possible score now 20");
  game.Modified = false;
  EXPECT_TRUE(game.PutWord(false));
  EXPECT_EQ(game.Label(TGameLabel::ValidWord), "Last word is in the words list: \"CAT\"");
  EXPECT_EQ(game.State.Score, 20);
  EXPECT_EQ(game.Label(TGameLabel::Score), "Score 20");
  EXPECT_EQ(game.Label(TGameLabel::LetterScore), "");
  EXPECT_EQ(game.State.Board.LooseCount(), 0);
  EXPECT_TRUE(game.State.Board.IsFixed(4, 4));
  EXPECT_FALSE(game.PutButtonsEnabled());
  EXPECT_EQ(game.State.Stock.LettersCount(), 7);
  EXPECT_TRUE(game.Modified);
  EXPECT_FALSE(game.Dictionary.WordsListModified);
}

TEST_F(PutWordFixture, OnlyTheLooseLettersScore) {
  Place("CAT", 4, 4);
  ASSERT_TRUE(game.PutWord(false));
  // S placed after the fixed CAT: S scores 1 plus the one-letter bonus (0 here).
  game.State.Stock.SetLetter(0, 'S');
  ASSERT_TRUE(game.DropStockLetterOnBoard(0, 7, 4));
  EXPECT_EQ(game.CurrentWord(), "CATS");
  EXPECT_EQ(game.PossibleScore(), 1);
  game.Dictionary.LengthScores[0] = 7;
  EXPECT_EQ(game.PossibleScore(), 8);
  // A letter outside the alphabet scores nothing.
  game.State.Board.SetCell(7, 4, TBoardCell{'Z', true});
  EXPECT_EQ(game.PossibleScore(), 7);
}

TEST_F(PutWordFixture, AFlippedWordIsReadBackwards) {
  Place("TAC", 2, 2);
  game.State.Settings.AllowUnknownWords = false;
  EXPECT_TRUE(game.PutWord(true));
  EXPECT_EQ(game.Label(TGameLabel::ValidWord), "Last word is in the words list: \"CAT\"");
}

TEST_F(PutWordFixture, RefusedUnknownWordsChangeNothingButTheMessage) {
  Place("TAC", 2, 2);
  game.State.Settings.AllowUnknownWords = false;
  game.Modified = false;
  EXPECT_FALSE(game.PutWord(false));
  EXPECT_EQ(game.Label(TGameLabel::ValidWord), "Last word was NOT in the words list: \"TAC\"");
  EXPECT_EQ(game.State.Board.LooseCount(), 3);
  EXPECT_EQ(game.State.Score, 0);
  EXPECT_EQ(game.State.Stock.LettersCount(), 0);
  EXPECT_FALSE(game.Modified);
  EXPECT_TRUE(game.PutButtonsEnabled());
}

TEST_F(PutWordFixture, AllowedUnknownWordsAreAddedOnceAsPut) {
  Place("CAT", 2, 2);
  ASSERT_TRUE(game.PutWord(false));
  Place("TAS", 2, 6);  // apart from CAT: no fixed letter, no word
  EXPECT_FALSE(game.PutButtonsEnabled());
  EXPECT_FALSE(game.PutWord(false));
  // Return them and build S-A-C... downwards from the C of CAT: "CAST" flipped reads "TSAC".
  while (game.State.Board.LooseCount() > 0) {
    const TCellPosition p = game.State.Board.LooseLetter(0);
    ASSERT_TRUE(game.ReturnLooseLetterToStock(p.Column, p.Row));
  }
  game.State.Stock.Clear();
  for (int i = 0; i < 3; ++i) game.State.Stock.SetLetter(i, static_cast<unsigned char>("AST"[i]));
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(game.DropStockLetterOnBoard(i, 2, 3 + i));
  EXPECT_EQ(game.CurrentWord(), "CAST");
  ASSERT_TRUE(game.PutWord(true));
  EXPECT_EQ(game.Label(TGameLabel::ValidWord), "Last word was NOT in the words list: \"TSAC\"");
  EXPECT_EQ(game.Dictionary.WordsList.Count(), 3u);
  EXPECT_EQ(game.Dictionary.WordsList[2], "TSAC");
  EXPECT_TRUE(game.Dictionary.WordsListModified);
  EXPECT_EQ(game.Label(TGameLabel::WordsInDictionary), "There are 3 words in the words list; new words.");
  EXPECT_TRUE(game.Dictionary.IsKnownWord("tsac"));

  // With adding switched off the list stays as it is.
  game.State.Settings.AddToWordsList = false;
  game.State.Stock.SetLetter(0, 'S');
  ASSERT_TRUE(game.DropStockLetterOnBoard(0, 5, 2));
  EXPECT_EQ(game.CurrentWord(), "CATS");
  ASSERT_TRUE(game.PutWord(false));
  EXPECT_EQ(game.Dictionary.WordsList.Count(), 3u);
}

TEST_F(PutWordFixture, TheScoreStopsAtTheLargestNumber) {
  Place("CAT", 2, 2);
  game.State.Score = std::numeric_limits<std::int32_t>::max() - 5;
  ASSERT_TRUE(game.PutWord(false));
  EXPECT_EQ(game.State.Score, std::numeric_limits<std::int32_t>::max());
}

TEST_F(PutWordFixture, LetterScoreLabel) {
  game.ShowLetterScore('T');
  EXPECT_EQ(game.Label(TGameLabel::LetterScore), "Letter score 5");
  game.ShowLetterScore('Q');
  EXPECT_EQ(game.Label(TGameLabel::LetterScore), "Letter score 0");
  game.ShowLetterScore(0);
  EXPECT_EQ(game.Label(TGameLabel::LetterScore), "");
}

TEST(GameTexts, ExactLabelTexts) {
  EXPECT_EQ(LetterChangesText(-3), "Available letter changes 0");
  EXPECT_EQ(ScoreText(12, 0), "Score 12");
  EXPECT_EQ(ScoreText(12, -1), "Score 12");
  EXPECT_EQ(ScoreText(0, 7), "Score 0; possible score now 7");
  EXPECT_EQ(TitleText(""), "Vorbelle");
  EXPECT_EQ(TitleText("C:\\Games\\a.vbg"), "Vorbelle - C:\\Games\\a.vbg");
}

}  // namespace
}  // namespace vb
