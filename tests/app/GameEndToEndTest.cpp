// A whole game in the real main window: played with mouse messages, saved,
// closed, started again and reloaded; and the error paths of loading, shown in
// the real error dialog.
#include "app/ErrorForm.h"
#include "app/MainWindowFixture.h"
#include "core/base/Paths.h"

namespace vb::test {
namespace {

class GameEndToEndTest : public MainWindowTest {
 protected:
  // Closes the window as the player does; the test keeps its message loop.
  void CloseWindow() {
    form->SetQuitOnDestroy(false);
    ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  }

  // A new program start over the same folder, up to the message loop.
  void StartProgramAgain() {
    ui::Application::SetMainForm(nullptr);
    form.reset();
    form = std::make_unique<TVorbelleForm>(folder.Path(), &pool, &dialogs);
    ASSERT_TRUE(form->Create());
    ui::Application::SetMainForm(form.get());
    form->BeforeRun();
    form->Show(SW_SHOWNOACTIVATE);
  }

  void ClickCheckBox(ui::CheckBox& box) { ::SendMessageA(box.Handle(), BM_CLICK, 0, 0); }

  // Shows reports in the real error dialog and closes it with Okay.
  struct RealErrorDialog {
    explicit RealErrorDialog() {
      EXPECT_TRUE(form.Create());
      form.OnShown = [this] {
        captions.push_back(form.Text());
        memos.push_back(form.MainMemo.Text());
        form.OkayButton.Click();
      };
    }
    TErrorForm form;
    std::vector<std::string> captions, memos;
  };
};

TEST_F(GameEndToEndTest, PlaySaveCloseStartAgainAndLoadTheLastGame) {
  form->BeforeRun();
  StartGame("CABDEFG");
  ASSERT_EQ(form->Text(), "Vorbelle");

  // First word, read left to right.
  DragStockToCell(0, 3, 5);
  DragStockToCell(1, 4, 5);
  DragStockToCell(2, 5, 5);
  ASSERT_TRUE(form->Controls().PutWordButton.Enabled());
  form->Controls().PutWordButton.Click();
  EXPECT_EQ(form->Controls().ValidWordLabel.Text(), "Last word is in the words list: \"CAB\"");
  EXPECT_FALSE(Cell(4, 5).Loose);
  const std::int32_t afterCab = Game().State.Score;
  EXPECT_GT(afterCab, 0);

  // D above and B below the fixed A read DAB downwards: flipped, BAD.
  Game().State.Stock.SetLetter(0, 'D');
  Game().State.Stock.SetLetter(1, 'B');
  DragStockToCell(0, 4, 4);
  DragStockToCell(1, 4, 6);
  ASSERT_TRUE(form->Controls().PutFlippedWordButton.Enabled());
  form->Controls().PutFlippedWordButton.Click();
  EXPECT_EQ(form->Controls().ValidWordLabel.Text(), "Last word is in the words list: \"BAD\"");
  EXPECT_GT(Game().State.Score, afterCab);

  // An unknown word is refused while unknown words are not allowed...
  Game().State.Stock.SetLetter(0, 'E');
  DragStockToCell(0, 6, 5);
  ClickCheckBox(form->Controls().AllowUnknownWordsCheckBox);
  ASSERT_FALSE(Game().State.Settings.AllowUnknownWords);
  const std::int32_t beforeCabe = Game().State.Score;
  form->Controls().PutWordButton.Click();
  EXPECT_EQ(form->Controls().ValidWordLabel.Text(), "Last word was NOT in the words list: \"CABE\"");
  EXPECT_TRUE(Cell(6, 5).Loose);
  EXPECT_EQ(Game().State.Score, beforeCabe);
  // ...and put and added once they are.
  ClickCheckBox(form->Controls().AllowUnknownWordsCheckBox);
  form->Controls().PutWordButton.Click();
  EXPECT_FALSE(Cell(6, 5).Loose);
  EXPECT_GT(Game().State.Score, beforeCabe);
  EXPECT_EQ(form->Controls().WordsInDictionaryLabel.Text(), "There are 5 words in the words list; new words.");

  // One loose letter left that makes a word with the row: the put buttons are on.
  Game().State.Stock.SetLetter(0, 'F');
  DragStockToCell(0, 7, 5);
  ASSERT_TRUE(form->Controls().PutWordButton.Enabled());
  Game().State.LetterChangesCount = 9;  // as if two had been spent

  struct Saved {
    std::array<unsigned char, StockSize> stock;
    std::int32_t score, letterChanges;
  } saved{};
  for (int slot = 0; slot < StockSize; ++slot) saved.stock[slot] = Game().State.Stock.Letter(slot);
  saved.score = Game().State.Score;
  saved.letterChanges = Game().State.LetterChangesCount;
  std::vector<TBoardCell> cells;
  for (int row = 0; row < 15; ++row)
    for (int column = 0; column < 15; ++column) cells.push_back(Cell(column, row));

  // Save with S; the words list is written first.
  const std::string path = folder / "VorbelleGames\\evening.vbg";
  dialogs.Answers = {path};
  form->FormKeyDown('S', 0);
  ASSERT_TRUE(errors.Shown.empty());
  EXPECT_FALSE(Game().Modified);
  EXPECT_EQ(ReadTextFile(folder / "VorbelleDictionaries\\Test.txt"), std::string(kWords) + "CABE\r\n");
  EXPECT_EQ(ReadTextFile(path).rfind("[VorbelleGame]\r\nColumnsCount=15\r\nRowsCount=15\r\n"
                                     "LastDictionaryName=Test.vbd\r\nAddToWordsList=TRUE\r\nAllowUnknownWords=TRUE\r\n"
                                     "LetterChangesCount=9\r\n",
                                     0),
            0u);

  // Close: no question for a saved game; the options remember it.
  const std::size_t boxesBefore = platform->Boxes.size();
  CloseWindow();
  EXPECT_EQ(platform->Boxes.size(), boxesBefore);
  EXPECT_FALSE(::IsWindow(form->Handle()));
  const std::string options = ReadTextFile(folder / "Vorbelle.ini");
  EXPECT_NE(options.find("LastGameTitle=" + path + "\r\n"), std::string::npos) << options;

  // Start again: nothing on the board until Ctrl+Z loads the last game.
  StartProgramAgain();
  EXPECT_FALSE(form->Controls().BoardPaintBox.Visible());
  EXPECT_EQ(Game().LastGameFileName, path);
  form->FormKeyDown('Z', ShiftBit(CtrlKey));
  ASSERT_TRUE(errors.Shown.empty());
  EXPECT_TRUE(form->Controls().BoardPaintBox.Visible());
  for (int slot = 0; slot < StockSize; ++slot) EXPECT_EQ(Game().State.Stock.Letter(slot), saved.stock[slot]) << slot;
  EXPECT_EQ(Game().State.Score, saved.score);
  EXPECT_EQ(Game().State.LetterChangesCount, saved.letterChanges);
  for (int row = 0; row < 15; ++row)
    for (int column = 0; column < 15; ++column) {
      const TBoardCell expected = cells[row * 15 + column];
      EXPECT_EQ(Cell(column, row).Letter, expected.Letter) << column << "," << row;
      EXPECT_EQ(Cell(column, row).Loose, expected.Loose) << column << "," << row;
    }
  EXPECT_EQ(form->Text(), "Vorbelle - " + path);
  EXPECT_TRUE(form->Controls().PutWordButton.Enabled());
  EXPECT_TRUE(form->Controls().PutFlippedWordButton.Enabled());
  EXPECT_EQ(form->Controls().LetterChangesLabel.Text(), "Available letter changes 9");
  EXPECT_EQ(form->Controls().WordsInDictionaryLabel.Text(), "There are 5 words in the words list.");
  EXPECT_FALSE(Game().Modified);
  EXPECT_EQ(form->Commands().SaveDialog.FileName, path);
}

TEST_F(GameEndToEndTest, LoadingAMissingGameShowsTheErrorDialogAndChangesNothing) {
  form->BeforeRun();
  StartGame("CABDEFG");
  DragStockToCell(0, 3, 5);
  RealErrorDialog errorDialog;
  const std::string path = folder / "VorbelleGames\\gone.vbg";
  dialogs.Answers = {path};
  form->FormKeyDown('L', 0);
  ASSERT_EQ(errorDialog.memos.size(), 1u);
  EXPECT_EQ(errorDialog.captions[0], "Error");
  EXPECT_EQ(errorDialog.memos[0].rfind("DESCRIPTION\r\nFailed to load game.\r\n\r\nRAISE CONTEXT", 0), 0u);
  EXPECT_NE(errorDialog.memos[0].find("* Description: \"There is no such file\""), std::string::npos);
  EXPECT_NE(errorDialog.memos[0].find("* Parameter 1: \"" + path + "\""), std::string::npos);
  EXPECT_EQ(Cell(3, 5).Letter, 'C');
  EXPECT_TRUE(Game().Modified);
  EXPECT_TRUE(platform->Boxes.empty());
}

TEST_F(GameEndToEndTest, LoadLastGameOnAFirstStartReportsThatThereIsNoSuchFile) {
  form->BeforeRun();
  RealErrorDialog errorDialog;
  form->FormKeyDown('Z', ShiftBit(CtrlKey));
  ASSERT_EQ(errorDialog.memos.size(), 1u);
  EXPECT_EQ(errorDialog.memos[0].rfind("DESCRIPTION\r\nFailed to load last game.\r\n", 0), 0u);
  EXPECT_NE(errorDialog.memos[0].find("* Parameter 1: \"" + folder / "VorbelleGames\\*.vbg\""), std::string::npos);
  EXPECT_FALSE(form->Controls().BoardPaintBox.Visible());
  EXPECT_EQ(form->Text(), "Vorbelle");
}

TEST_F(GameEndToEndTest, AGameWhoseDictionaryWasRemovedShowsItsBoardWithoutStock) {
  form->BeforeRun();
  StartGame("CABDEFG");
  DragStockToCell(0, 3, 5);
  DragStockToCell(1, 4, 5);
  const std::string path = folder / "VorbelleGames\\old.vbg";
  dialogs.Answers = {path};
  form->SaveGameMenuClick();
  ASSERT_TRUE(GetPlatform().RemoveFile(folder / "VorbelleDictionaries\\Test.vbd"));

  StartProgramAgain();
  dialogs.Answers = {path};
  form->LoadGameMenuClick();
  EXPECT_TRUE(errors.Shown.empty());
  ASSERT_EQ(platform->Boxes.size(), 2u);
  EXPECT_EQ(platform->Boxes[0].Text, "There is no such dictionary.");
  EXPECT_EQ(platform->Boxes[1].Text, "There aren't enough active letters to form an alphabet. \nChange the dictionary!");
  EXPECT_TRUE(form->Controls().BoardPaintBox.Visible());
  EXPECT_EQ(Cell(4, 5).Letter, 'A');
  for (int slot = 0; slot < StockSize; ++slot) EXPECT_EQ(StockText(slot), "") << slot;
  EXPECT_EQ(Game().State.Score, 0);
  EXPECT_EQ(form->Controls().LetterChangesLabel.Text(), "Available letter changes 0");
  EXPECT_EQ(form->Text(), "Vorbelle");
  EXPECT_EQ(form->Controls().DictionaryEdit.Text(), "");
}

TEST_F(GameEndToEndTest, WithoutAnOptionsFileTheWindowOpensWithTheDefaults) {
  form->BeforeRun();
  EXPECT_FALSE(PathExists(folder / "Vorbelle.ini"));
  EXPECT_EQ(form->Controls().ColumnsCountComboBox.GetText(), "15");
  EXPECT_EQ(form->Controls().RowsCountComboBox.GetText(), "15");
  EXPECT_TRUE(form->Controls().AddToWordsListCheckBox.Checked());
  EXPECT_TRUE(form->Controls().AllowUnknownWordsCheckBox.Checked());
  EXPECT_FALSE(form->Controls().FullScreenCheckBox.Checked());
  EXPECT_TRUE(PathExists(folder / "VorbelleGames"));
  EXPECT_TRUE(errors.Shown.empty());
}

}  // namespace
}  // namespace vb::test
