#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "core/game/GameTestHelpers.h"
#include "core/errors/FunStat.h"
#include "core/presenter/GamePresenter.h"
#include "core/base/Paths.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedLetterChooser.h"

namespace vb {
namespace {

constexpr int Yes = 6, No = 7, Cancel = 2;

// A game in a temporary program folder, drawing from a fixed pool.
struct GameFixture : ::testing::Test {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  test::ScriptedErrorDialog errors;
  test::ScriptedFileDialogs dialogs;
  test::ScriptedLetterChooser letters;
  TRandomPool pool{11, 5, 9};
  TGamePresenter game{folder.Path(), &pool, &dialogs};

  GameFixture() { game.SetLetterChooser(&letters); }

  void StartGame(const char* columns, const char* rows) {
    game.ColumnsChoice.SetText(columns);
    game.RowsChoice.SetText(rows);
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
  EXPECT_EQ(game.State.Board.ColumnsCount, 15);
  EXPECT_EQ(game.State.Board.RowsCount, 15);
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
  EXPECT_EQ(game.State.LetterChangesCount, 5);
  StartGame("15", "27");
  EXPECT_EQ(game.State.LetterChangesCount, 20);
  StartGame("30", "30");
  EXPECT_EQ(game.State.LetterChangesCount, 45);
  EXPECT_EQ(game.Label(TGameLabel::LetterChanges), "Available letter changes 45");
  EXPECT_TRUE(game.NewStockLettersEnabled());
  EXPECT_EQ(game.Label(TGameLabel::Score), "Score 0");
  EXPECT_TRUE(game.BoardVisible());
  // A combo box outside 10..30 falls back to 15 after a warning.
  StartGame("31", "15");
  EXPECT_EQ(game.State.Board.ColumnsCount, 15);
  EXPECT_EQ(game.ColumnsChoice.GetText(), "15");
  EXPECT_EQ(platform->Boxes.size(), 1u);
}

TEST_F(GameFixture, ASmallerNewGameLeavesNothingOutsideItsBoard) {
  StartGame("20", "20");
  game.State.Board.SetCell(19, 19, TBoardCell{'A', false});
  game.State.Board.SetCell(15, 2, TBoardCell{'B', false});
  game.Modified = false;
  StartGame("12", "12");
  for (int c = 0; c < BoardGridSize; ++c)
    for (int r = 0; r < BoardGridSize; ++r) ASSERT_EQ(game.State.Board.Cell(c, r).Letter, 0);
}

TEST_F(GameFixture, CancellingTheSaveQuestionChangesNothing) {
  GiveAlphabet();
  StartGame("15", "15");
  game.FillStock();
  ASSERT_TRUE(game.DropStockLetterOnBoard(0, 3, 3));
  game.State.Score = 40;
  platform->Answers = {Cancel};
  EXPECT_FALSE(game.ResetGame());
  EXPECT_EQ(platform->Boxes.back().Text, "The game has been modified. Save it?");
  EXPECT_TRUE(game.Modified);
  EXPECT_EQ(game.State.Score, 40);
  EXPECT_TRUE(game.State.Board.IsLoose(3, 3));
  EXPECT_EQ(game.State.Stock.LettersCount(), 6);

  platform->Answers = {No};
  EXPECT_TRUE(game.ResetGame());
  EXPECT_EQ(game.State.Score, 0);
  EXPECT_FALSE(game.State.Board.IsOccupied(3, 3));
}

TEST_F(GameFixture, YesSavesAndGoesOnOnlyWhenTheSaveSucceeded) {
  game.Modified = true;
  platform->Answers = {Yes};  // then the save dialog is cancelled: Modified stays set
  EXPECT_FALSE(game.CheckSave());
  ASSERT_EQ(dialogs.Shown.size(), 1u);
  EXPECT_EQ(dialogs.Shown[0].Title, "Save game");

  const std::string path = folder / "saved.vbg";
  platform->Answers = {Yes};
  dialogs.Answers = {path};
  EXPECT_TRUE(game.CheckSave());
  EXPECT_FALSE(game.Modified);
  EXPECT_TRUE(PathExists(path));

  // A save that fails keeps the game, and the caller must not go on.
  game.Modified = true;
  platform->Answers = {Yes, Yes};  // save, then overwrite
  dialogs.Answers = {path};
  platform->AllowWrite = [](const std::string&) { return false; };
  EXPECT_FALSE(game.CheckSave());
  EXPECT_TRUE(game.Modified);
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].FailureText, "Failed to save file.");
}

TEST_F(GameFixture, ASingleDrawableLetterFillsTheWholeStock) {
  game.Dictionary.Alphabet[0] = 'X';
  game.Dictionary.Alphabet[1] = 'Y';
  game.Dictionary.LetterProbabilities[1] = 300;
  game.FillStock();
  EXPECT_TRUE(game.Modified);
  for (int slot = 0; slot < StockSize; ++slot) EXPECT_EQ(game.State.Stock.Letter(slot), 'Y');
}

TEST_F(GameFixture, WithoutADictionaryTheStockStaysEmpty) {
  game.FillStock();
  EXPECT_EQ(game.State.Stock.LettersCount(), 0);
}

TEST_F(GameFixture, NewStockLettersDiscardsTheLooseLettersAndSpendsAChange) {
  GiveAlphabet();
  StartGame("10", "10");
  game.State.LetterChangesCount = 1;
  game.FillStock();
  game.State.Board.SetCell(0, 0, TBoardCell{'K', false});
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(game.DropStockLetterOnBoard(i, 1 + i, 0));
  EXPECT_TRUE(game.PutButtonsEnabled());

  EXPECT_TRUE(game.NewStockLetters());
  EXPECT_EQ(game.State.Board.LooseCount(), 0);
  for (int c = 1; c <= 3; ++c) EXPECT_FALSE(game.State.Board.IsOccupied(c, 0));
  EXPECT_TRUE(game.State.Board.IsFixed(0, 0));
  EXPECT_EQ(game.State.Stock.LettersCount(), 7);
  EXPECT_FALSE(game.PutButtonsEnabled());
  EXPECT_FALSE(game.NewStockLettersEnabled());
  EXPECT_EQ(game.Label(TGameLabel::LetterChanges), "Available letter changes 0");
  EXPECT_FALSE(game.NewStockLetters());
}

TEST_F(GameFixture, AStockLetterChangeTakesTheChosenLetter) {
  GiveAlphabet();
  game.FillStock();
  game.Modified = false;
  game.State.LetterChangesCount = 2;
  letters.Answer = [] { return static_cast<unsigned char>(0); };  // cancelled
  EXPECT_FALSE(game.ChangeStockLetter(3));
  EXPECT_EQ(game.State.LetterChangesCount, 2);
  EXPECT_FALSE(game.Modified);

  letters.Answer = [] { return static_cast<unsigned char>('L'); };
  EXPECT_TRUE(game.ChangeStockLetter(3));
  EXPECT_EQ(game.State.Stock.Letter(3), 'L');
  EXPECT_EQ(game.State.LetterChangesCount, 1);
  EXPECT_TRUE(game.Modified);
  game.State.Stock.SetLetter(4, 0);
  EXPECT_FALSE(game.ChangeStockLetter(4));  // an empty slot
  EXPECT_FALSE(game.ChangeStockLetter(9));
  game.State.LetterChangesCount = 0;
  EXPECT_FALSE(game.ChangeStockLetter(3));
}

TEST_F(GameFixture, LettersMoveBetweenStockAndBoard) {
  GiveAlphabet();
  StartGame("10", "10");
  game.FillStock();
  game.Modified = false;
  const unsigned char first = game.State.Stock.Letter(0);

  EXPECT_FALSE(game.DropStockLetterOnBoard(0, 10, 0));  // outside the board
  EXPECT_TRUE(game.DropStockLetterOnBoard(0, 2, 2));
  EXPECT_TRUE(game.Modified);
  EXPECT_EQ(game.State.Board.Cell(2, 2).Letter, first);
  EXPECT_EQ(game.State.Stock.Letter(0), 0);
  EXPECT_FALSE(game.DropStockLetterOnBoard(1, 2, 2));  // onto a letter
  EXPECT_FALSE(game.CanMoveBoardLetter(2, 2, 2, 2));   // onto its own cell

  EXPECT_TRUE(game.MoveBoardLetter(2, 2, 5, 5));
  EXPECT_FALSE(game.State.Board.IsOccupied(2, 2));
  EXPECT_EQ(game.State.Board.LooseLetter(0), (TCellPosition{5, 5}));

  // Back onto a full slot is refused; onto an empty one it does not mark the game.
  EXPECT_FALSE(game.DropBoardLetterOnStock(5, 5, 1));
  game.Modified = false;
  EXPECT_TRUE(game.DropBoardLetterOnStock(5, 5, 0));
  EXPECT_FALSE(game.Modified);
  EXPECT_EQ(game.State.Stock.Letter(0), first);
  EXPECT_EQ(game.State.Board.LooseCount(), 0);

  // Swapping with an empty slot moves the letter; swaps do not mark the game.
  game.State.Stock.SetLetter(4, 0);
  const unsigned char second = game.State.Stock.Letter(1);
  EXPECT_TRUE(game.SwapStockLetters(1, 4));
  EXPECT_EQ(game.State.Stock.Letter(4), second);
  EXPECT_EQ(game.State.Stock.Letter(1), 0);
  EXPECT_FALSE(game.SwapStockLetters(1, 4));  // the source is empty
  EXPECT_FALSE(game.Modified);

  // A right click sends a loose letter to the first empty slot.
  game.State.Stock.SetLetter(2, 0);
  ASSERT_TRUE(game.DropStockLetterOnBoard(0, 1, 1));
  game.Modified = false;
  EXPECT_TRUE(game.ReturnLooseLetterToStock(1, 1));
  EXPECT_EQ(game.State.Stock.Letter(0), first);
  EXPECT_TRUE(game.Modified);
  EXPECT_FALSE(game.ReturnLooseLetterToStock(1, 1));  // now empty
}

TEST_F(GameFixture, NoEighthLooseLetterReachesTheBoard) {
  GiveAlphabet();
  StartGame("10", "10");
  for (int i = 0; i < 7; ++i) {
    game.State.Board.SetCell(i, 0, TBoardCell{'A', true});
    game.State.Board.AddLooseLetter(i, 0);
  }
  game.State.Stock.SetLetter(0, 'B');
  EXPECT_FALSE(game.DropStockLetterOnBoard(0, 0, 5));
  EXPECT_EQ(game.State.Stock.Letter(0), 'B');
}

// The window is told once per command, with exactly what changed.
struct RecordingView : TGameView {
  std::vector<TViewChanges> Updates;
  TGameViewModel Shown;
  void Update(const TGameViewModel& model, const TViewChanges& changes) override {
    Shown = model;
    Updates.push_back(changes);
  }
  std::set<std::pair<int, int>> LastCells() const {
    std::set<std::pair<int, int>> cells;
    for (const TCellPosition& p : Updates.back().Cells) cells.insert({p.Column, p.Row});
    return cells;
  }
  std::set<int> LastSlots() const {
    std::set<int> slots;
    for (int slot = 0; slot < StockSize; ++slot)
      if (Updates.back().Slots[slot]) slots.insert(slot);
    return slots;
  }
};

TEST_F(GameFixture, TheViewIsToldOncePerCommandWithWhatChanged) {
  RecordingView view;
  game.SetView(&view);
  ASSERT_EQ(view.Updates.size(), 1u);  // everything, for a new view
  EXPECT_TRUE(view.Updates[0].WholeBoard);
  GiveAlphabet();
  StartGame("10", "10");
  ASSERT_EQ(view.Updates.size(), 2u);
  EXPECT_TRUE(view.Updates[1].BoardSize);
  EXPECT_TRUE(view.Updates[1].BoardVisible);
  EXPECT_EQ(view.Shown.Board.ColumnsCount, 10);
  game.FillStock();
  EXPECT_EQ(view.LastSlots().size(), 7u);

  // One drop: one update, one cell and one slot.
  view.Updates.clear();
  ASSERT_TRUE(game.DropStockLetterOnBoard(3, 4, 4));
  ASSERT_EQ(view.Updates.size(), 1u);
  EXPECT_EQ(view.LastCells(), (std::set<std::pair<int, int>>{{4, 4}}));
  EXPECT_EQ(view.LastSlots(), std::set<int>{3});
  EXPECT_TRUE(view.Updates[0].Labels[static_cast<int>(TGameLabel::Score)]);
  EXPECT_FALSE(view.Updates[0].WholeBoard);
  // A move on the board repaints its two cells.
  ASSERT_TRUE(game.MoveBoardLetter(4, 4, 6, 4));
  ASSERT_EQ(view.Updates.size(), 2u);
  EXPECT_EQ(view.LastCells(), (std::set<std::pair<int, int>>{{4, 4}, {6, 4}}));
  EXPECT_TRUE(view.LastSlots().empty());
  EXPECT_EQ(view.Shown.Board, game.State.Board);

  // A refused move or a command that changes nothing tells nothing.
  EXPECT_FALSE(game.MoveBoardLetter(0, 0, 1, 1));
  game.ShowLetterScore(0);
  EXPECT_EQ(view.Updates.size(), 2u);

  // Commands inside commands: one update when the outermost ends.
  {
    TGamePresenter::TCommandScope command(game);
    game.ClearStockLetters();
    game.FillStock();
    game.ShowScore(0);
    EXPECT_EQ(view.Updates.size(), 2u);
  }
  EXPECT_EQ(view.Updates.size(), 3u);
  EXPECT_EQ(view.Shown.Stock, game.State.Stock);

  game.SetView(nullptr);
  game.FillStock();  // no view: nothing to tell
  EXPECT_EQ(view.Updates.size(), 3u);
}

TEST(GameViewModel, ManyChangedCellsRepaintTheWholeBoard) {
  TGameViewModel before, after;
  for (int c = 0; c < 6; ++c)
    for (int r = 0; r < 6; ++r) after.Board.SetCell(c, r, TBoardCell{'A', false});
  const TViewChanges changes = CompareViewModels(before, after);
  EXPECT_TRUE(changes.WholeBoard);
  EXPECT_TRUE(changes.Cells.empty());
  EXPECT_FALSE(changes.BoardSize);
  EXPECT_FALSE(CompareViewModels(after, after).Any());
  after.Alphabet[0] = 'A';
  const TViewChanges letters = CompareViewModels(before, after);
  EXPECT_TRUE(letters.Letters);
  EXPECT_FALSE(letters.Font);
}

}  // namespace
}  // namespace vb
