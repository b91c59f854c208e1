#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "GameTestHelpers.h"
#include "core/FunStat.h"
#include "core/Game.h"
#include "support/FakePlatform.h"

namespace vb {
namespace {

constexpr int Yes = 6, No = 7, Cancel = 2;

// A game in a temporary program folder, drawing from a fixed pool.
struct GameFixture : ::testing::Test {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  TRandomPool pool{11, 5, 9};
  TGame game{folder.Path(), &pool};

  void StartGame(const char* columns, const char* rows) {
    game.ColumnsCountComboBox().SetText(columns);
    game.RowsCountComboBox().SetText(rows);
    ASSERT_TRUE(game.ResetGame());
  }
  // Alphabet A..L with falling probabilities and scores 1..12.
  void GiveAlphabet() {
    for (int i = 0; i < 12; ++i) {
      game.Dictionary.Alphabet[i] = static_cast<unsigned char>('A' + i);
      game.Dictionary.LetterProbabilities[i] = 1000 - i * 80;
      game.Dictionary.LetterScores[i] = i + 1;
    }
  }
};

TEST_F(GameFixture, StartsWithDefaultsAndAHiddenBoard) {
  EXPECT_EQ(game.Board.ColumnsCount, 15);
  EXPECT_EQ(game.Board.RowsCount, 15);
  EXPECT_FALSE(game.BoardVisible());
  EXPECT_FALSE(game.Modified);
  EXPECT_EQ(game.Label(TGameLabel::LetterChanges), "Available letter changes 0");
  EXPECT_EQ(game.Label(TGameLabel::Score), "");
  EXPECT_EQ(game.Title(), "Vorbelle");
  EXPECT_EQ(game.LastGameFileName, folder.Path() + "VorbelleGames\\*.vbg");
  EXPECT_EQ(game.GameFile.FileName, folder.Path());
  EXPECT_EQ(game.OptionsFile.FileName, folder.Path() + "Vorbelle.ini");
  EXPECT_EQ(game.Dictionary.DictionaryName, "English.vbd");
}

TEST_F(GameFixture, ANewBoardGrantsFivePercentOfItsCellsAsLetterChanges) {
  StartGame("10", "10");
  EXPECT_EQ(game.LetterChangesCount, 5);
  StartGame("15", "27");
  EXPECT_EQ(game.LetterChangesCount, 20);
  StartGame("30", "30");
  EXPECT_EQ(game.LetterChangesCount, 45);
  EXPECT_EQ(game.Label(TGameLabel::LetterChanges), "Available letter changes 45");
  EXPECT_TRUE(game.NewStockLettersEnabled());
  EXPECT_EQ(game.Label(TGameLabel::Score), "Score 0");
  EXPECT_TRUE(game.BoardVisible());
  // A combo box outside 10..30 falls back to 15 after a warning.
  StartGame("31", "15");
  EXPECT_EQ(game.Board.ColumnsCount, 15);
  EXPECT_EQ(game.ColumnsCountComboBox().GetText(), "15");
  EXPECT_EQ(platform->Boxes.size(), 1u);
}

TEST_F(GameFixture, ASmallerNewGameLeavesNothingOutsideItsBoard) {
  StartGame("20", "20");
  game.Board.SetCell(19, 19, TBoardCell{'A', false});
  game.Board.SetCell(15, 2, TBoardCell{'B', false});
  game.Modified = false;
  StartGame("12", "12");
  for (int c = 0; c < BoardGridSize; ++c)
    for (int r = 0; r < BoardGridSize; ++r) ASSERT_EQ(game.Board.Cell(c, r).Letter, 0);
}

TEST_F(GameFixture, CancellingTheSaveQuestionChangesNothing) {
  GiveAlphabet();
  StartGame("15", "15");
  game.FillStock();
  ASSERT_TRUE(game.DropStockLetterOnBoard(0, 3, 3));
  game.Score = 40;
  platform->Answers = {Cancel};
  EXPECT_FALSE(game.ResetGame());
  EXPECT_EQ(platform->Boxes.back().Text, "The game has been modified. Save it?");
  EXPECT_TRUE(game.Modified);
  EXPECT_EQ(game.Score, 40);
  EXPECT_TRUE(game.Board.IsLoose(3, 3));
  EXPECT_EQ(game.Stock.LettersCount(), 6);

  platform->Answers = {No};
  EXPECT_TRUE(game.ResetGame());
  EXPECT_EQ(game.Score, 0);
  EXPECT_FALSE(game.Board.IsOccupied(3, 3));
}

TEST_F(GameFixture, YesSavesAndGoesOnOnlyWhenTheSaveSucceeded) {
  int saves = 0;
  game.SaveGameCommand = [&] { ++saves; };  // cancelled dialog: Modified stays set
  game.Modified = true;
  platform->Answers = {Yes};
  EXPECT_FALSE(game.CheckSave());

  game.SaveGameCommand = [&] { ++saves; game.Modified = false; };
  platform->Answers = {Yes};
  EXPECT_TRUE(game.CheckSave());
  EXPECT_EQ(saves, 2);

  game.SaveGameCommand = [] { throw std::runtime_error("disk gone"); };
  game.Modified = true;
  platform->Answers = {Yes};
  EXPECT_FALSE(game.CheckSave());
  EXPECT_EQ(GlobalFunStat.Status, StatusError);
  EXPECT_EQ(GlobalFunStat.FunctionName, "TVorbelleForm::CheckSave");
}

TEST_F(GameFixture, ASingleDrawableLetterFillsTheWholeStock) {
  game.Dictionary.Alphabet[0] = 'X';
  game.Dictionary.Alphabet[1] = 'Y';
  game.Dictionary.LetterProbabilities[1] = 300;
  game.FillStock();
  EXPECT_TRUE(game.Modified);
  for (int slot = 0; slot < StockSize; ++slot) EXPECT_EQ(game.Stock.Letter(slot), 'Y');
}

TEST_F(GameFixture, WithoutADictionaryTheStockStaysEmpty) {
  game.FillStock();
  EXPECT_EQ(game.Stock.LettersCount(), 0);
}

TEST_F(GameFixture, NewStockLettersDiscardsTheLooseLettersAndSpendsAChange) {
  GiveAlphabet();
  StartGame("10", "10");
  game.LetterChangesCount = 1;
  game.FillStock();
  game.Board.SetCell(0, 0, TBoardCell{'K', false});
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(game.DropStockLetterOnBoard(i, 1 + i, 0));
  EXPECT_TRUE(game.PutButtonsEnabled());

  EXPECT_TRUE(game.NewStockLetters());
  EXPECT_EQ(game.Board.LooseCount(), 0);
  for (int c = 1; c <= 3; ++c) EXPECT_FALSE(game.Board.IsOccupied(c, 0));
  EXPECT_TRUE(game.Board.IsFixed(0, 0));
  EXPECT_EQ(game.Stock.LettersCount(), 7);
  EXPECT_FALSE(game.PutButtonsEnabled());
  EXPECT_FALSE(game.NewStockLettersEnabled());
  EXPECT_EQ(game.Label(TGameLabel::LetterChanges), "Available letter changes 0");
  EXPECT_FALSE(game.NewStockLetters());
}

TEST_F(GameFixture, AStockLetterChangeTakesTheChosenLetter) {
  GiveAlphabet();
  game.FillStock();
  game.Modified = false;
  game.LetterChangesCount = 2;
  game.ChooseLetter = [] { return static_cast<unsigned char>(0); };  // cancelled
  EXPECT_FALSE(game.ChangeStockLetter(3));
  EXPECT_EQ(game.LetterChangesCount, 2);
  EXPECT_FALSE(game.Modified);

  game.ChooseLetter = [] { return static_cast<unsigned char>('L'); };
  EXPECT_TRUE(game.ChangeStockLetter(3));
  EXPECT_EQ(game.Stock.Letter(3), 'L');
  EXPECT_EQ(game.LetterChangesCount, 1);
  EXPECT_TRUE(game.Modified);
  game.Stock.SetLetter(4, 0);
  EXPECT_FALSE(game.ChangeStockLetter(4));  // an empty slot
  EXPECT_FALSE(game.ChangeStockLetter(9));
  game.LetterChangesCount = 0;
  EXPECT_FALSE(game.ChangeStockLetter(3));
}

TEST_F(GameFixture, LettersMoveBetweenStockAndBoard) {
  GiveAlphabet();
  StartGame("10", "10");
  game.FillStock();
  game.Modified = false;
  const unsigned char first = game.Stock.Letter(0);

  EXPECT_FALSE(game.DropStockLetterOnBoard(0, 10, 0));  // outside the board
  EXPECT_TRUE(game.DropStockLetterOnBoard(0, 2, 2));
  EXPECT_TRUE(game.Modified);
  EXPECT_EQ(game.Board.Cell(2, 2).Letter, first);
  EXPECT_EQ(game.Stock.Letter(0), 0);
  EXPECT_FALSE(game.DropStockLetterOnBoard(1, 2, 2));  // onto a letter
  EXPECT_FALSE(game.CanMoveBoardLetter(2, 2, 2, 2));   // onto its own cell

  EXPECT_TRUE(game.MoveBoardLetter(2, 2, 5, 5));
  EXPECT_FALSE(game.Board.IsOccupied(2, 2));
  EXPECT_EQ(game.Board.LooseLetter(0), (TCellPosition{5, 5}));

  // Back onto a full slot is refused; onto an empty one it does not mark the game.
  EXPECT_FALSE(game.DropBoardLetterOnStock(5, 5, 1));
  game.Modified = false;
  EXPECT_TRUE(game.DropBoardLetterOnStock(5, 5, 0));
  EXPECT_FALSE(game.Modified);
  EXPECT_EQ(game.Stock.Letter(0), first);
  EXPECT_EQ(game.Board.LooseCount(), 0);

  // Swapping with an empty slot moves the letter; swaps do not mark the game.
  game.Stock.SetLetter(4, 0);
  const unsigned char second = game.Stock.Letter(1);
  EXPECT_TRUE(game.SwapStockLetters(1, 4));
  EXPECT_EQ(game.Stock.Letter(4), second);
  EXPECT_EQ(game.Stock.Letter(1), 0);
  EXPECT_FALSE(game.SwapStockLetters(1, 4));  // the source is empty
  EXPECT_FALSE(game.Modified);

  // A right click sends a loose letter to the first empty slot.
  game.Stock.SetLetter(2, 0);
  ASSERT_TRUE(game.DropStockLetterOnBoard(0, 1, 1));
  game.Modified = false;
  EXPECT_TRUE(game.ReturnLooseLetterToStock(1, 1));
  EXPECT_EQ(game.Stock.Letter(0), first);
  EXPECT_TRUE(game.Modified);
  EXPECT_FALSE(game.ReturnLooseLetterToStock(1, 1));  // now empty
}

TEST_F(GameFixture, NoEighthLooseLetterReachesTheBoard) {
  GiveAlphabet();
  StartGame("10", "10");
  for (int i = 0; i < 7; ++i) {
    game.Board.SetCell(i, 0, TBoardCell{'A', true});
    game.Board.AddLooseLetter(i, 0);
  }
  game.Stock.SetLetter(0, 'B');
  EXPECT_FALSE(game.DropStockLetterOnBoard(0, 0, 5));
  EXPECT_EQ(game.Stock.Letter(0), 'B');
}

// The window learns about every change it has to show.
struct RecordingView : TGameView {
  std::set<std::pair<int, int>> Cells;
  std::set<int> Slots;
  int Labels = 0, PutButtons = 0, Boards = 0, Shown = 0, CellSizes = 0, Titles = 0;
  void CellChanged(int c, int r) override { Cells.insert({c, r}); }
  void StockSlotChanged(int slot) override { Slots.insert(slot); }
  void LabelChanged(TGameLabel) override { ++Labels; }
  void PutButtonsChanged() override { ++PutButtons; }
  void BoardChanged() override { ++Boards; }
  void BoardShown() override { ++Shown; }
  void ComputeCellSize() override { ++CellSizes; }
  void TitleChanged() override { ++Titles; }
};

TEST_F(GameFixture, TheViewIsToldWhatToRepaint) {
  RecordingView view;
  game.SetView(&view);
  GiveAlphabet();
  StartGame("10", "10");
  EXPECT_EQ(view.Boards, 1);
  EXPECT_EQ(view.Shown, 1);
  EXPECT_EQ(view.CellSizes, 1);
  EXPECT_EQ(view.Titles, 1);
  game.FillStock();
  EXPECT_EQ(view.Slots.size(), 7u);
  view.Slots.clear();
  ASSERT_TRUE(game.DropStockLetterOnBoard(3, 4, 4));
  ASSERT_TRUE(game.MoveBoardLetter(4, 4, 6, 4));
  EXPECT_EQ(view.Cells, (std::set<std::pair<int, int>>{{4, 4}, {6, 4}}));
  EXPECT_EQ(view.Slots, std::set<int>{3});
  EXPECT_GT(view.Labels, 0);
  EXPECT_GT(view.PutButtons, 0);
  game.SetView(nullptr);
  game.FillStock();  // no view: nothing to tell
}

}  // namespace
}  // namespace vb
