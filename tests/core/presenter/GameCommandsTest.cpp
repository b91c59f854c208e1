#include <gtest/gtest.h>

#include <memory>

#include "core/presenter/GamePresenter.h"
#include "core/errors/FunStat.h"
#include "core/presenter/GameCommands.h"
#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempFolder.h"

namespace vb {

namespace {

constexpr int Yes = 6, No = 7, Cancel = 2;

// Twelve letters that can all be drawn, and a words list that knows CAB.
const char* const kDictionary =
    "[Main]\r\nWordsListName=Test\r\n[Alphabet]\r\n"
    "Char0=A\r\nProb0=1000\r\nChar1=B\r\nProb1=500\r\nChar2=C\r\nProb2=500\r\nChar3=D\r\nProb3=400\r\n"
    "Char4=E\r\nProb4=1000\r\nChar5=F\r\nProb5=200\r\nChar6=G\r\nProb6=200\r\nChar7=H\r\nProb7=300\r\n"
    "Char8=I\r\nProb8=800\r\nChar9=J\r\nProb9=10\r\nChar10=K\r\nProb10=50\r\nChar11=L\r\nProb11=400\r\n"
    "[LengthScores]\r\n3=5\r\n";

class GameCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform->FixedProgramPath = folder / "Vorbelle.exe";
    GetPlatform().CreateFolder(folder / "VorbelleDictionaries");
    test::WriteTextFile(folder / "VorbelleDictionaries\\Test.vbd", kDictionary);
    test::WriteTextFile(folder / "VorbelleDictionaries\\Test.txt", "CAB\r\nDEAL\r\n");
    Start();
  }

  // A fresh program start over the same folder.
  void Start() {
    commands = nullptr;
    game = std::make_unique<TGamePresenter>(folder.Path(), &pool, &dialogs);
    commands = &game->Commands();
    commands->PrepareFilesAndOptions();
  }

  void NewTestGame() {
    game->Dictionary.DictionaryName = "Test.vbd";
    commands->NewGameMenuClick();
    ASSERT_TRUE(errors.Shown.empty());
    ASSERT_EQ(game->State.Stock.LettersCount(), 7);
  }

  // Puts the word CAB in row 2 from column 3, through the stock.
  void PutCab() {
    game->State.Stock.SetLetter(0, 'C');
    game->State.Stock.SetLetter(1, 'A');
    game->State.Stock.SetLetter(2, 'B');
    ASSERT_TRUE(game->DropStockLetterOnBoard(0, 3, 2));
    ASSERT_TRUE(game->DropStockLetterOnBoard(1, 4, 2));
    ASSERT_TRUE(game->DropStockLetterOnBoard(2, 5, 2));
    ASSERT_TRUE(game->PutWord(false));
  }

  test::FakePlatformScope platform;
  test::ScriptedErrorDialog errors;
  test::TempFolder folder;
  test::ScriptedFileDialogs dialogs;
  TRandomPool pool{12345, 10, 20};
  std::unique_ptr<TGamePresenter> game;
  TGameCommands* commands = nullptr;
};

}  // namespace

TEST(GameExtension, IsVbgInAnyLetterCase) {
  EXPECT_TRUE(IsGameExtension("C:\\a\\b.vbg"));
  EXPECT_TRUE(IsGameExtension("b.VbG"));
  EXPECT_FALSE(IsGameExtension("b.vbg.txt"));
  EXPECT_FALSE(IsGameExtension("b"));
  EXPECT_FALSE(IsGameExtension("C:\\x.vbg\\b"));
}

TEST_F(GameCommandsTest, DialogsStartWithTheirFiltersNamesAndDefaultExtensions) {
  const std::string pattern = folder / "VorbelleGames\\*.vbg";
  EXPECT_EQ(commands->OpenDialog.Filter, "Vorbelle game (*.vbg)|*.vbg");
  EXPECT_EQ(commands->SaveDialog.Filter, "Vorbelle game (*.vbg)|*.vbg");
  EXPECT_EQ(commands->OpenDialog.FileName, pattern);
  EXPECT_EQ(commands->SaveDialog.FileName, pattern);
  EXPECT_EQ(commands->OpenDialog.DefaultExtension, "vbg");
  EXPECT_EQ(commands->SaveDialog.DefaultExtension, "vbg");
  EXPECT_EQ(commands->LoadDictionaryOpenDialog.Filter, "Vorbelle dictionary (*.vbd)|*.vbd");
  EXPECT_EQ(commands->LoadDictionaryOpenDialog.FileName, folder / "VorbelleDictionaries\\English.vbd");
  // Start-up made both folders.
  EXPECT_TRUE(PathExists(folder / "VorbelleGames"));
  EXPECT_TRUE(PathExists(folder / "VorbelleDictionaries"));
}

TEST_F(GameCommandsTest, OptionsFileGivesTheDialogsTheLastGame) {
  test::WriteTextFile(folder / "Vorbelle.ini", "[VorbelleGame]\r\nLastGameTitle=D:\\x\\old.vbg\r\n");
  Start();
  EXPECT_EQ(game->LastGameFileName, "D:\\x\\old.vbg");
  EXPECT_EQ(commands->OpenDialog.FileName, "D:\\x\\old.vbg");
  EXPECT_EQ(commands->SaveDialog.FileName, "D:\\x\\old.vbg");
}

TEST_F(GameCommandsTest, NewGameFillsTheStockAndCountsAsUnmodified) {
  NewTestGame();
  EXPECT_TRUE(game->BoardVisible());
  EXPECT_FALSE(game->Modified);
  EXPECT_EQ(game->State.LetterChangesCount, 11);
  EXPECT_EQ(game->Title(), "Vorbelle");
}

TEST_F(GameCommandsTest, NewGameWithAMissingDictionaryLeavesAnEmptyStock) {
  game->Dictionary.DictionaryName = "Gone.vbd";
  commands->NewGameMenuClick();
  EXPECT_EQ(game->State.Stock.LettersCount(), 0);
  EXPECT_TRUE(game->BoardVisible());
  ASSERT_EQ(platform->Boxes.size(), 2u);
  EXPECT_EQ(platform->Boxes[0].Text, "There is no such dictionary.");
  EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(GameCommandsTest, SaveAndLoadKeepTheGameAndSetTitleAndLastGame) {
  NewTestGame();
  PutCab();
  ASSERT_TRUE(game->DropStockLetterOnBoard(3, 6, 6));  // one loose letter left on the board
  const std::int32_t score = game->State.Score;
  const std::string path = folder / "VorbelleGames\\mine.vbg";

  dialogs.Answers = {path};
  EXPECT_TRUE(commands->SaveGameMenuClick());
  EXPECT_TRUE(dialogs.WasSave.back());
  EXPECT_FALSE(game->Modified);
  EXPECT_EQ(game->LastGameFileName, path);
  EXPECT_EQ(game->Title(), "Vorbelle");  // saving does not change the title
  EXPECT_TRUE(PathExists(path));

  Start();
  ASSERT_EQ(game->LastGameFileName, folder / "VorbelleGames\\*.vbg");  // not closed: options not written
  dialogs.Answers = {path};
  commands->LoadGameMenuClick();
  ASSERT_TRUE(errors.Shown.empty());
  EXPECT_EQ(game->State.Board.Cell(3, 2).Letter, 'C');
  EXPECT_FALSE(game->State.Board.Cell(3, 2).Loose);
  EXPECT_TRUE(game->State.Board.Cell(6, 6).Loose);
  EXPECT_EQ(game->State.Board.LooseCount(), 1);
  EXPECT_EQ(game->State.Score, score);
  EXPECT_EQ(game->State.Stock.LettersCount(), 6);
  EXPECT_FALSE(game->Modified);
  EXPECT_EQ(game->LastGameFileName, path);
  EXPECT_EQ(game->Title(), "Vorbelle - " + path);
  EXPECT_EQ(commands->SaveDialog.FileName, path);
  EXPECT_FALSE(game->PutButtonsEnabled());  // a lone letter apart from the word
  EXPECT_EQ(game->Label(TGameLabel::LetterChanges),
            "Available letter changes " + std::to_string(game->State.LetterChangesCount));
  EXPECT_EQ(game->Label(TGameLabel::Score), "Score " + std::to_string(score) + "; possible score now " +
                                                std::to_string(game->PossibleScore()));
}

TEST_F(GameCommandsTest, ABoardSizeTypedWronglyDoesNotStopALoad) {
  NewTestGame();
  PutCab();
  const std::string path = folder / "VorbelleGames\\mine.vbg";
  dialogs.Answers = {path};
  ASSERT_TRUE(commands->SaveGameMenuClick());
  game->RowsChoice.SetText("abc");
  dialogs.Answers = {path};
  commands->LoadGameMenuClick();
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text.substr(0, 29), "Integer value outside limits.");
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_EQ(game->State.Board.Cell(3, 2).Letter, 'C');
  EXPECT_EQ(game->Title(), "Vorbelle - " + path);
  EXPECT_EQ(game->RowsChoice.GetText(), "15");
}

TEST_F(GameCommandsTest, LoadingAMissingFileReportsItAndChangesNothing) {
  NewTestGame();
  PutCab();
  const std::string path = folder / "VorbelleGames\\gone.vbg";
  dialogs.Answers = {path};
  commands->LoadGameMenuClick();
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].Caption, "Error");
  EXPECT_EQ(errors.Shown[0].FailureText, "Failed to load game.");
  EXPECT_NE(errors.Shown[0].Report.find("* Description: \"There is no such file\""), std::string::npos);
  EXPECT_NE(errors.Shown[0].Report.find("* Parameter 1: \"" + path + "\""), std::string::npos);
  EXPECT_NE(errors.Shown[0].Report.find("* Function: \"TVorbelleForm::LoadGameFrom\""), std::string::npos);
  EXPECT_TRUE(platform->Boxes.empty());  // not even the save question
  EXPECT_TRUE(game->Modified);
  EXPECT_EQ(game->State.Board.Cell(3, 2).Letter, 'C');
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
}

TEST_F(GameCommandsTest, AFileWithAnotherExtensionIsIgnoredSilently) {
  NewTestGame();
  PutCab();
  test::WriteTextFile(folder / "game.txt", "[VorbelleGame]\r\n");
  dialogs.Answers = {folder / "game.txt"};
  commands->LoadGameMenuClick();
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_TRUE(platform->Boxes.empty());
  EXPECT_TRUE(game->Modified);
}

TEST_F(GameCommandsTest, CancelAtTheSaveQuestionLeavesEverything) {
  NewTestGame();
  PutCab();
  const std::int32_t score = game->State.Score;
  platform->Answers = {Cancel};
  commands->NewGameMenuClick();
  EXPECT_EQ(game->State.Score, score);
  EXPECT_EQ(game->State.Board.Cell(5, 2).Letter, 'B');
  EXPECT_TRUE(game->Modified);
  EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(GameCommandsTest, YesThenNoSavedFileKeepsTheModifiedGame) {
  NewTestGame();
  PutCab();
  const std::string path = folder / "VorbelleGames\\keep.vbg";
  test::WriteTextFile(path, "older game");

  // Yes, then the save dialog is cancelled.
  platform->Answers = {Yes};
  commands->NewGameMenuClick();
  EXPECT_EQ(game->State.Board.Cell(3, 2).Letter, 'C');
  EXPECT_TRUE(game->Modified);

  // Yes, then the overwrite question is declined.
  platform->Answers = {Yes, No};
  dialogs.Answers = {path};
  commands->NewGameMenuClick();
  EXPECT_EQ(game->State.Board.Cell(3, 2).Letter, 'C');
  EXPECT_EQ(test::ReadTextFile(path), "older game");

  // Yes, then the write fails.
  platform->Answers = {Yes, Yes};
  dialogs.Answers = {path};
  platform->AllowWrite = [](const std::string&) { return false; };
  commands->NewGameMenuClick();
  EXPECT_EQ(game->State.Board.Cell(3, 2).Letter, 'C');
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].FailureText, "Failed to save file.");

  // Closing with the same outcome keeps the window open and writes no options.
  platform->Answers = {Yes, Yes};
  dialogs.Answers = {path};
  EXPECT_FALSE(commands->FormCloseQuery());
  EXPECT_FALSE(PathExists(folder / "Vorbelle.ini"));
}

TEST_F(GameCommandsTest, NoAtTheOverwriteQuestionLeavesTheWordsListUnwrittenToo) {
  NewTestGame();
  game->State.Settings.AllowUnknownWords = true;
  game->State.Settings.AddToWordsList = true;
  game->State.Stock.SetLetter(0, 'B');
  game->State.Stock.SetLetter(1, 'A');
  game->State.Stock.SetLetter(2, 'D');
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(game->DropStockLetterOnBoard(i, 3 + i, 2));
  ASSERT_TRUE(game->PutWord(false));
  ASSERT_TRUE(game->Dictionary.WordsListModified);
  const std::string list = folder / "VorbelleDictionaries\\Test.txt";
  const std::string path = folder / "VorbelleGames\\old.vbg";
  test::WriteTextFile(path, "older game");

  platform->Answers = {No};
  EXPECT_FALSE(commands->SaveGameTo(path));
  EXPECT_EQ(test::ReadTextFile(list), "CAB\r\nDEAL\r\n");
  EXPECT_EQ(test::ReadTextFile(path), "older game");
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, "File \"" + path + "\"already exists.\nOverwrite it?");

  platform->Answers = {Yes};
  EXPECT_TRUE(commands->SaveGameTo(path));
  EXPECT_EQ(test::ReadTextFile(list), "CAB\r\nDEAL\r\nBAD\r\n");
  EXPECT_NE(test::ReadTextFile(path), "older game");
  EXPECT_EQ(platform->Boxes.size(), 2u);  // asked once per save
  EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(GameCommandsTest, ClosingWritesTheOptionsUnlessTheSaveQuestionIsCancelled) {
  const std::string options = folder / "Vorbelle.ini";
  // Unmodified: written every time, without any question.
  EXPECT_TRUE(commands->FormCloseQuery());
  EXPECT_TRUE(PathExists(options));
  ASSERT_TRUE(GetPlatform().RemoveFile(options));
  EXPECT_TRUE(commands->FormCloseQuery());
  EXPECT_TRUE(PathExists(options));
  EXPECT_TRUE(platform->Boxes.empty());
  ASSERT_TRUE(GetPlatform().RemoveFile(options));

  NewTestGame();
  PutCab();
  platform->Answers = {Cancel};
  EXPECT_FALSE(commands->FormCloseQuery());
  EXPECT_FALSE(PathExists(options));
  platform->Answers = {No};
  EXPECT_TRUE(commands->FormCloseQuery());
  EXPECT_NE(test::ReadTextFile(options).find("LastDictionaryName=Test.vbd\r\n"), std::string::npos);
}

TEST_F(GameCommandsTest, LoadDictionaryTakesTheNameAndStartsANewGame) {
  dialogs.Answers = {std::string("E:\\elsewhere\\Test.vbd")};
  commands->LoadDictionaryMenuClick();
  ASSERT_EQ(dialogs.Shown.size(), 1u);
  EXPECT_EQ(dialogs.Shown[0].FileName, folder / "VorbelleDictionaries\\English.vbd");
  EXPECT_EQ(game->Dictionary.DictionaryName, "Test.vbd");
  EXPECT_EQ(game->State.Stock.LettersCount(), 7);
  EXPECT_TRUE(errors.Shown.empty());

  // Cancelled: nothing changes.
  commands->LoadDictionaryMenuClick();
  EXPECT_EQ(dialogs.Shown[1].FileName, folder / "VorbelleDictionaries\\Test.vbd");
  EXPECT_EQ(game->Dictionary.DictionaryName, "Test.vbd");
}

TEST_F(GameCommandsTest, AGameSavedWhileChangingTheDictionaryKeepsItsOwnDictionary) {
  test::WriteTextFile(folder / "VorbelleDictionaries\\Other.vbd", kDictionary);
  NewTestGame();
  PutCab();

  // Cancel at the save question: the game goes on with its dictionary.
  dialogs.Answers = {folder / "VorbelleDictionaries\\Other.vbd"};
  platform->Answers = {Cancel};
  commands->LoadDictionaryMenuClick();
  EXPECT_EQ(game->Dictionary.DictionaryName, "Test.vbd");
  EXPECT_EQ(game->State.Board.Cell(3, 2).Letter, 'C');

  // Yes: the saved game names the dictionary it was played with.
  const std::string path = folder / "VorbelleGames\\before.vbg";
  dialogs.Answers = {folder / "VorbelleDictionaries\\Other.vbd", path};
  platform->Answers = {Yes};
  commands->LoadDictionaryMenuClick();
  EXPECT_NE(test::ReadTextFile(path).find("LastDictionaryName=Test.vbd\r\n"), std::string::npos);
  EXPECT_EQ(game->Dictionary.DictionaryName, "Other.vbd");
  EXPECT_EQ(game->State.Stock.LettersCount(), 7);
  EXPECT_FALSE(game->State.Board.IsOccupied(3, 2));
  EXPECT_TRUE(errors.Shown.empty());
}

}  // namespace vb
