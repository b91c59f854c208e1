#include <gtest/gtest.h>

#include <string>

#include "core/game/GameTestHelpers.h"
#include "core/presenter/GamePresenter.h"
#include "core/files/GameFile.h"
#include "support/FakePlatform.h"

namespace vb {
namespace {

struct GameFileFixture : ::testing::Test {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  TRandomPool pool{5, 0, 0};
  TGamePresenter game{folder.Path(), &pool};

  // Loads a game file made of the given text into the game.
  bool Load(const std::string& text) {
    const std::string path = folder / "Game.vbg";
    test::WriteTextFile(path, text);
    return game.GameFile.LoadFrom(path);
  }
  std::string Save() {
    const std::string path = folder / "Saved.vbg";
    EXPECT_TRUE(game.GameFile.SaveAs(path, false));
    return test::ReadTextFile(path);
  }
};

std::string ExampleGameFile() {
  std::string text =
      "[VorbelleGame]\r\nColumnsCount=15\r\nRowsCount=15\r\nLastDictionaryName=English.vbd\r\n"
      "AddToWordsList=TRUE\r\nAllowUnknownWords=TRUE\r\nLetterChangesCount=11\r\nScore=0\r\n\r\n"
      "[StockLetters]\r\n1=E\r\n2=\r\n3=\r\n4=\r\n5=\r\n6=\r\n7=\r\n\r\n[Map]\r\n";
  for (int n = 0; n < 225; ++n) {
    const std::string key = std::to_string(n);
    text += "L" + key + (n == 1 ? "=A\r\n" : "=\r\n");
    text += "S" + key + (n == 1 ? "=TRUE\r\n" : "=FALSE\r\n");
  }
  return text + "\r\n";
}

TEST_F(GameFileFixture, WritesTheGameByteForByte) {
  game.ColumnsChoice.SetText("15");
  ASSERT_TRUE(game.ResetGame());
  game.State.Stock.SetLetter(0, 'E');
  game.State.Stock.SetLetter(1, 'A');
  ASSERT_TRUE(game.DropStockLetterOnBoard(1, 1, 0));
  EXPECT_EQ(Save(), ExampleGameFile());
}

TEST_F(GameFileFixture, ReadsWhatItWrote) {
  EXPECT_TRUE(Load(ExampleGameFile()));
  EXPECT_EQ(game.State.LetterChangesCount, 11);
  EXPECT_EQ(game.State.Stock.Letter(0), 'E');
  EXPECT_EQ(game.State.Stock.LettersCount(), 1);
  EXPECT_EQ(game.State.Board.Cell(1, 0).Letter, 'A');
  EXPECT_EQ(game.State.Board.LooseCount(), 1);
  EXPECT_EQ(Save(), ExampleGameFile());
}

TEST_F(GameFileFixture, BoardSizesOutsideTheRangeLeaveTheComboBoxesNumber) {
  game.ColumnsChoice.SetText("20");
  game.RowsChoice.SetText("22");
  EXPECT_TRUE(Load("[VorbelleGame]\r\nColumnsCount=9\r\nRowsCount=31\r\n"));
  EXPECT_EQ(game.State.Board.ColumnsCount, 20);
  EXPECT_EQ(game.State.Board.RowsCount, 22);
  EXPECT_EQ(game.State.LetterChangesCount, 22);  // 20 x 22 / 20, no key in the file

  EXPECT_TRUE(Load("[vorbellegame]\r\ncolumnscount=12\r\nRowsCount=0x1E\r\n"));
  EXPECT_EQ(game.State.Board.ColumnsCount, 12);
  EXPECT_EQ(game.State.Board.RowsCount, 30);
  EXPECT_EQ(game.ColumnsChoice.GetText(), "12");
  EXPECT_EQ(game.RowsChoice.GetText(), "30");
}

TEST_F(GameFileFixture, MissingOrInvalidCountsTakeTheirDefaults) {
  EXPECT_TRUE(Load("[VorbelleGame]\r\nColumnsCount=30\r\nRowsCount=30\r\nScore=-5\r\n"));
  EXPECT_EQ(game.State.LetterChangesCount, 45);
  EXPECT_EQ(game.State.Score, 0);
  EXPECT_TRUE(Load("[VorbelleGame]\r\nColumnsCount=10\r\nRowsCount=10\r\nLetterChangesCount=x\r\nScore=77\r\n"));
  EXPECT_EQ(game.State.LetterChangesCount, 5);
  EXPECT_EQ(game.State.Score, 77);
}

TEST_F(GameFileFixture, CellsAndStockSlotsNeedExactlyOneCharacter) {
  EXPECT_TRUE(Load("[StockLetters]\r\n1=AB\r\n2=Q\r\n[Map]\r\nL12=AB\r\nS12=TRUE\r\nL13=C\r\nS13=true\r\nL14=D\r\n"));
  EXPECT_EQ(game.State.Stock.Letter(0), 0);
  EXPECT_EQ(game.State.Stock.Letter(1), 'Q');
  EXPECT_EQ(game.State.Board.Cell(12, 0).Letter, 0);
  EXPECT_FALSE(game.State.Board.Cell(12, 0).Loose);  // no letter, no loose flag
  EXPECT_TRUE(game.State.Board.IsFixed(13, 0));       // "true" is not "TRUE"
  EXPECT_TRUE(game.State.Board.IsFixed(14, 0));
  EXPECT_EQ(game.State.Board.LooseCount(), 0);
}

TEST_F(GameFileFixture, LooseCellsBeyondTheSeventhAreLoadedAsFixedLetters) {
  std::string text = "[Map]\r\n";
  for (int n = 0; n < 9; ++n) text += "L" + std::to_string(n) + "=A\r\nS" + std::to_string(n) + "=TRUE\r\n";
  EXPECT_TRUE(Load(text));
  EXPECT_EQ(game.State.Board.LooseCount(), 7);
  for (int c = 0; c < 7; ++c) EXPECT_TRUE(game.State.Board.IsLoose(c, 0));
  EXPECT_TRUE(game.State.Board.IsFixed(7, 0));
  EXPECT_TRUE(game.State.Board.IsFixed(8, 0));
  // Every listed letter can be taken back.
  for (int c = 0; c < 7; ++c) game.State.Board.RemoveLooseLetter(c, 0);
  EXPECT_EQ(game.State.Board.LooseCount(), 0);
  EXPECT_TRUE(game.State.Board.BoardHasNoFixedLetters(7, 1));
}

TEST_F(GameFileFixture, TheDictionaryNameMustBeAPlainName) {
  for (const char* name : {"..\\Secret.vbd", "C:Other.vbd", "sub/x.vbd", "a\\b.vbd", "..", "", "CON.vbd", "x.vbd."}) {
    EXPECT_TRUE(Load(std::string("[VorbelleGame]\r\nLastDictionaryName=") + name + "\r\n"));
    EXPECT_EQ(game.Dictionary.DictionaryName, "English.vbd") << name;
  }
  // Two dots inside a name are part of it, as they are for words-list names.
  EXPECT_TRUE(Load("[VorbelleGame]\r\nLastDictionaryName=My..Words.vbd\r\n"));
  EXPECT_EQ(game.Dictionary.DictionaryName, "My..Words.vbd");
  EXPECT_TRUE(Load("[VorbelleGame]\r\nLastDictionaryName=Spanish.vbd\r\nAddToWordsList=FALSE\r\n"
                   "AllowUnknownWords=yes\r\n"));
  EXPECT_EQ(game.Dictionary.DictionaryName, "Spanish.vbd");
  EXPECT_FALSE(game.State.Settings.AddToWordsList);
  EXPECT_FALSE(game.State.Settings.AllowUnknownWords);
  const std::string saved = Save();
  EXPECT_EQ(saved.substr(0, saved.find("[StockLetters]")),
            "[VorbelleGame]\r\nColumnsCount=15\r\nRowsCount=15\r\nLastDictionaryName=Spanish.vbd\r\n"
            "AddToWordsList=FALSE\r\nAllowUnknownWords=FALSE\r\nLetterChangesCount=11\r\nScore=0\r\n\r\n");
}

TEST_F(GameFileFixture, LoadingClearsWhatWasOutsideTheNewBoard) {
  game.ColumnsChoice.SetText("30");
  game.RowsChoice.SetText("30");
  ASSERT_TRUE(game.ResetGame());
  game.State.Board.SetCell(29, 29, TBoardCell{'Z', false});
  EXPECT_TRUE(Load("[VorbelleGame]\r\nColumnsCount=10\r\nRowsCount=10\r\n"));
  EXPECT_EQ(game.State.Board.Cell(29, 29).Letter, 0);
}

struct OptionsFileFixture : GameFileFixture {};

TEST_F(OptionsFileFixture, WritesTheComboBoxSizesAndTheLastGame) {
  ASSERT_TRUE(game.OptionsFile.Load());  // start-up: no file yet
  game.ColumnsChoice.SetText("12");
  game.RowsChoice.SetText("30");
  game.FullScreen = true;
  game.LastGameFileName = "C:\\Games\\Mine.vbg";
  ASSERT_TRUE(game.OptionsFile.Save(false));
  EXPECT_EQ(test::ReadTextFile(folder / "Vorbelle.ini"),
            "[VorbelleGame]\r\nColumnsCount=12\r\nRowsCount=30\r\nLastDictionaryName=English.vbd\r\n"
            "AddToWordsList=TRUE\r\nAllowUnknownWords=TRUE\r\nLastGameTitle=C:\\Games\\Mine.vbg\r\n"
            "FullScreen=TRUE\r\n\r\n");
  // The game on the board keeps its own size.
  EXPECT_EQ(game.State.Board.ColumnsCount, 15);
}

TEST_F(OptionsFileFixture, ReadsOptionsWithTheirDefaults) {
  test::WriteTextFile(folder / "Vorbelle.ini",
                      "[VorbelleGame]\r\nColumnsCount=25\r\nRowsCount=11\r\nFullScreen=TRUE\r\nLastGameTitle=\r\n");
  ASSERT_TRUE(game.OptionsFile.Load());
  EXPECT_EQ(game.State.Board.ColumnsCount, 25);
  EXPECT_EQ(game.RowsChoice.GetText(), "11");
  EXPECT_TRUE(game.FullScreen);
  EXPECT_EQ(game.LastGameFileName, folder.Path() + "VorbelleGames\\*.vbg");

  test::WriteTextFile(folder / "Vorbelle.ini", "[VorbelleGame]\r\nLastGameTitle=" + std::string(260, 'x') + "\r\n");
  ASSERT_TRUE(game.OptionsFile.Load());
  EXPECT_FALSE(game.FullScreen);
  EXPECT_EQ(game.LastGameFileName, folder.Path() + "VorbelleGames\\*.vbg");
  test::WriteTextFile(folder / "Vorbelle.ini", "[VorbelleGame]\r\nLastGameTitle=D:\\g.vbg\r\n");
  ASSERT_TRUE(game.OptionsFile.Load());
  EXPECT_EQ(game.LastGameFileName, "D:\\g.vbg");
}

}  // namespace
}  // namespace vb
