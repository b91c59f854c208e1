// Commands reached from the keyboard and the buttons, and a new game on the
// shipped English dictionary.
#include "app/MainWindowFixture.h"

namespace vb::test {
namespace {

constexpr ShiftState kCtrl = 1u << CtrlKey;
constexpr ShiftState kShift = 1u << ShiftKey;

TEST_F(MainWindowTest, CtrlNStartsAGameAndCtrlShiftNDoesNothing) {
  form->FormKeyDown('N', kCtrl | kShift);
  EXPECT_FALSE(Game().BoardVisible());
  form->FormKeyDown('N', 0);
  EXPECT_FALSE(Game().BoardVisible());
  form->FormKeyDown('N', kCtrl);
  EXPECT_TRUE(Game().BoardVisible());
  EXPECT_TRUE(form->Controls().BoardPaintBox.Visible());
  EXPECT_EQ(Game().State.Stock.LettersCount(), 7);
  EXPECT_FALSE(Game().Modified);
  EXPECT_TRUE(form->Controls().NewStockLettersButton.Enabled());
}

TEST_F(MainWindowTest, SingleLetterKeysRunTheirCommandsWithAnyModifiers) {
  form->FormKeyDown('S', kShift);  // Save game: the save dialog, cancelled
  form->FormKeyDown('L', 0);       // Load game: the open dialog
  form->FormKeyDown('D', kCtrl);   // Load dictionary: its open dialog
  ASSERT_EQ(dialogs.Shown.size(), 3u);
  EXPECT_TRUE(dialogs.WasSave[0]);
  EXPECT_FALSE(dialogs.WasSave[1]);
  EXPECT_NE(dialogs.Shown[2].Filter.find("*.vbd"), std::string::npos);
  form->FormKeyDown('Q', 0);
  EXPECT_EQ(dialogs.Shown.size(), 3u);
}

TEST_F(MainWindowTest, TheWorkMenuAndTheButtonsAreMadeFromTheCommandTable) {
  // Every row with a caption is a menu item, in order, with its key text and
  // a separator where the row asks for one.
  std::vector<std::string> expected, shown;
  for (const TCommand& command : form->CommandTable().Rows()) {
    if (command.Caption.empty()) continue;
    if (command.SeparatorBefore) expected.push_back("-");
    expected.push_back(command.Caption + "|" + command.KeyText);
  }
  for (const ui::PopupMenu::Item& item : form->WorkMenu().Items())
    shown.push_back(item.Caption.empty() ? "-" : item.Caption + "|" + item.ShortcutText);
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(expected.front(), "New game|Ctrl+N");
  EXPECT_EQ(expected.back(), "Zoom to fit|Ctrl+0");

  // A menu item runs its row's command.
  ASSERT_TRUE(form->WorkMenu().Invoke("New game"));
  EXPECT_TRUE(Game().BoardVisible());
  // The buttons are enabled exactly when their rows say so.
  StartGame("CAB....");
  const TCommandTable& table = form->CommandTable();
  EXPECT_FALSE(form->Controls().PutWordButton.Enabled());
  DragStockToCell(0, 3, 3);
  DragStockToCell(1, 4, 3);
  EXPECT_TRUE(table.IsEnabled(TCommandId::PutWord, Game().ViewModel()));
  EXPECT_TRUE(form->Controls().PutWordButton.Enabled());
  EXPECT_TRUE(form->Controls().PutFlippedWordButton.Enabled());
  EXPECT_EQ(form->Controls().NewStockLettersButton.Enabled(),
            table.IsEnabled(TCommandId::NewStockLetters, Game().ViewModel()));
}

TEST_F(MainWindowTest, KeysReachTheWindowBeforeTheFocusedControl) {
  ::SetForegroundWindow(form->Handle());
  form->Controls().ColumnsCountComboBox.Focus();
  HWND focus = ::GetFocus();
  ASSERT_NE(focus, nullptr);
  ::PostMessageA(focus, WM_KEYDOWN, 'S', 0x001F0001);
  ui::Application::ProcessPendingMessages();
  ASSERT_EQ(dialogs.Shown.size(), 1u) << "S runs Save game while a control has the focus";
  EXPECT_TRUE(dialogs.WasSave[0]);
}

TEST_F(MainWindowTest, SpaceAndTheHideButtonMinimise) {
  form->FormKeyDown(VK_SPACE, 0);
  EXPECT_TRUE(::IsIconic(form->Handle()));
  ::ShowWindow(form->Handle(), SW_RESTORE);
  form->Controls().HideButton.Click();
  EXPECT_TRUE(::IsIconic(form->Handle()));
}

TEST_F(MainWindowTest, CloseAsksToSaveAModifiedGameAndCancelKeepsTheWindow) {
  StartGame();
  DragStockToCell(0, 1, 1);
  ASSERT_TRUE(Game().Modified);
  platform->Answers.push_back(2);  // Cancel at "The game has been modified. Save it?"
  form->Controls().CloseButton.Click();
  ASSERT_NE(form->Handle(), nullptr);
  EXPECT_TRUE(::IsWindow(form->Handle()));
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, "The game has been modified. Save it?");
}

TEST_F(MainWindowTest, NewGameWithTheBoardSizeOfTheComboBoxes) {
  form->Controls().ColumnsCountComboBox.SetText("10");
  form->Controls().RowsCountComboBox.SetText("12");
  StartGame();
  EXPECT_EQ(Game().State.Board.ColumnsCount, 10);
  EXPECT_EQ(Game().State.Board.RowsCount, 12);
  EXPECT_EQ(form->BoardView().CellWidth(), 415 / 10);
  EXPECT_EQ(form->BoardView().CellHeight(), 480 / 12);
  EXPECT_EQ(form->Controls().LetterChangesLabel.Text(), "Available letter changes 6");
}

class ShippedDictionaryTest : public MainWindowTest {
 protected:
  void SetUp() override {
    const std::string source = SourceFolder() + "data\\VorbelleDictionaries\\";
    const std::string target = folder.Path() + "VorbelleDictionaries\\";
    GetPlatform().CreateFolder(target);
    for (const char* name : {"English.vbd", "English.txt"}) {
      std::string content;
      ASSERT_TRUE(GetPlatform().ReadFileBytes(source + name, content)) << source + name;
      ASSERT_TRUE(GetPlatform().WriteFileBytes(target + name, content));
    }
    MainWindowTest::SetUp();
    Game().Dictionary.DictionaryName = "English.vbd";
  }
};

TEST_F(ShippedDictionaryTest, NewGameStartsOnTheEnglishDictionary) {
  form->NewGameMenuClick();
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_TRUE(form->Controls().BoardPaintBox.Visible());
  for (int slot = 0; slot < StockSize; ++slot) EXPECT_EQ(StockText(slot).size(), 1u) << slot;
  EXPECT_EQ(form->Controls().DictionaryEdit.Text(), "English");
  EXPECT_EQ(form->Controls().LetterChangesLabel.Text(), "Available letter changes 11");
  EXPECT_EQ(form->Controls().ScoreLabel.Text(), "Score 0");
  EXPECT_EQ(form->Controls().WordsInDictionaryLabel.Text().rfind("There are ", 0), 0u);
  EXPECT_EQ(form->Text(), "Vorbelle");
  ::UpdateWindow(form->Handle());
  EXPECT_EQ(CellFill(7, 7), ::GetSysColor(COLOR_BTNFACE));
}

}  // namespace
}  // namespace vb::test
