// Keyboard play in the main window, driven by the key messages a person's keys
// cause, through the program's own message handling (key preview, dialog
// navigation, the focused control).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/MainWindowFixture.h"
#include "app/MsaaClient.h"

namespace vb::test {
namespace {

class BoardKeyboardTest : public MainWindowTest {
 protected:
  void Type(const std::string& letters) {
    for (char c : letters) PressKey(static_cast<WORD>(::toupper(static_cast<unsigned char>(c))));
  }
  void ClickCell(int column, int row) {
    const POINT point = CellCentre(column, row);
    ::SendMessageA(Board(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point.x, point.y));
    ::SendMessageA(Board(), WM_LBUTTONUP, 0, PointParam(point.x, point.y));
    ui::Application::ProcessPendingMessages();
  }
  unsigned char At(int column, int row) { return Game().State.Board.Cell(column, row).Letter; }
};

TEST_F(BoardKeyboardTest, AClickedCellTakesTypedLettersAndEnterPutsTheWord) {
  ::SetForegroundWindow(form->Handle());
  StartGame("BACSDLE");
  ClickCell(4, 7);
  ASSERT_EQ(::GetFocus(), Board()) << "the board has the keyboard";
  Type("cab");
  EXPECT_EQ(At(4, 7), 'C');
  EXPECT_EQ(At(6, 7), 'B');
  // S and L are letters now, not Save game and Load game.
  Type("s");
  EXPECT_EQ(At(7, 7), 'S');
  EXPECT_TRUE(dialogs.Shown.empty());
  PressKey(VK_BACK);
  EXPECT_EQ(At(7, 7), 0);
  Type("x");  // not in the stock: a beep, nothing else
  EXPECT_EQ(At(7, 7), 0);
  PressKey(VK_RETURN);
  EXPECT_EQ(Game().State.Board.LooseCount(), 0);
  EXPECT_GT(Game().State.Score, 0);
  EXPECT_EQ(form->Controls().ValidWordLabel.Text(), "Last word is in the words list: \"CAB\"");
}

TEST_F(BoardKeyboardTest, TabTypesDownShiftEnterPutsFlippedAndEscapeGivesTheKeyboardBack) {
  ::SetForegroundWindow(form->Handle());
  StartGame("DABACSL");
  ClickCell(5, 3);
  PressKey(VK_TAB);
  EXPECT_TRUE(Game().KeyboardCursor().Down);
  Type("dab");  // down: D, A, B reads BAD from the bottom
  EXPECT_EQ(At(5, 5), 'B');
  PressKey(VK_RETURN, VK_SHIFT);
  EXPECT_EQ(form->Controls().ValidWordLabel.Text(), "Last word is in the words list: \"BAD\"");

  Game().State.Stock.SetLetter(0, 'A');
  Game().State.Stock.SetLetter(1, 'C');
  Game().Publish();
  ClickCell(8, 8);
  Type("ac");
  ASSERT_EQ(Game().State.Board.LooseCount(), 2);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(Game().State.Board.LooseCount(), 0);
  EXPECT_NE(::GetFocus(), Board());
  // The window's own keys are back: S saves.
  ::PostMessageA(::GetFocus(), WM_KEYDOWN, 'S', 0x001F0001);
  ui::Application::ProcessPendingMessages();
  EXPECT_EQ(dialogs.Shown.size(), 1u);
}

// The board as an MSAA client sees it: one child per cell, row by row, each
// named by the game, and the keyboard cursor as the focused child.
TEST_F(BoardKeyboardTest, AnAccessibilityClientReadsEveryCellAndTheCursor) {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ::SetForegroundWindow(form->Handle());
  StartGame("BACSDLE");
  ClickCell(4, 2);
  Type("c");
  IAccessible* board = AccessibleOf(Board());
  ASSERT_NE(board, nullptr);
  long count = 0;
  ASSERT_EQ(board->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 225);
  std::set<std::string> names;
  for (long child = 1; child <= count; ++child) {
    const std::string text = AccessibleName(board, child);
    names.insert(text);
    if (child == 2 * 15 + 4 + 1) {
      EXPECT_EQ(text, "Row 3, column 5, C, loose");
    }
  }
  EXPECT_EQ(names.size(), 225u);
  VARIANT focused;
  ASSERT_EQ(board->get_accFocus(&focused), S_OK);
  ASSERT_EQ(focused.vt, VT_I4);
  EXPECT_EQ(focused.lVal, 2 * 15 + 5 + 1) << "the cursor moved on to row 3, column 6";
  board->Release();

  // The stock: its seven slots, the typed C gone from the first.
  IAccessible* stock = AccessibleOf(form->Controls().StockLettersGroupBox.Handle());
  ASSERT_NE(stock, nullptr);
  ASSERT_EQ(stock->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 7);
  EXPECT_EQ(AccessibleName(stock, 1), "Stock letter 1, B");
  EXPECT_EQ(AccessibleName(stock, 3), "Stock letter 3, empty");
  EXPECT_EQ(AccessibleName(stock, 7), "Stock letter 7, E");
  stock->Release();
  ::CoUninitialize();
}

}  // namespace
}  // namespace vb::test
