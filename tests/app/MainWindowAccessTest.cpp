// The main window to keyboard and screen-reader users: what an MSAA client
// reads for every control, and the Tab walk through the program's own message
// loop (dialog navigation over the nested panels), with the focus shown.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/MainWindowFixture.h"
#include "app/MsaaClient.h"

namespace vb::test {
namespace {

class MainWindowAccessTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ::SetForegroundWindow(form->Handle());
    StartGame();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    ::CoUninitialize();
  }
  // The focus after each of `count` presses of Tab (Shift+Tab when `back`).
  std::vector<HWND> Walk(std::size_t count, bool back = false) {
    std::vector<HWND> visited;
    while (visited.size() < count) {
      PressKey(VK_TAB, back ? VK_SHIFT : 0);
      visited.push_back(::GetFocus());
    }
    return visited;
  }
  // Pixels 4..39 of line `y` of a window, once it has painted.
  static std::vector<COLORREF> Line(HWND window, int y) {
    ::UpdateWindow(window);
    HDC dc = ::GetDC(window);
    std::vector<COLORREF> pixels;
    for (int x = 4; x < 40; ++x) pixels.push_back(::GetPixel(dc, x, y));
    ::ReleaseDC(window, dc);
    return pixels;
  }
  static int Differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
    return count;
  }
  static std::string NameOf(HWND window, long* children = nullptr) {
    IAccessible* object = AccessibleOf(window);
    if (!object) return "<no object>";
    const std::string name = AccessibleName(object, CHILDID_SELF);
    if (children) object->get_accChildCount(children);
    object->Release();
    return name;
  }
};

TEST_F(MainWindowAccessTest, EveryControlReadsAsItsCaptionOrLabel) {
  form->ApplyWindowLayout();  // room for the coach and the moves
  TMainWindowControls& c = form->Controls();
  ASSERT_TRUE(::IsWindowVisible(c.HistoryList.Handle()));
  const std::vector<std::pair<ui::Window*, std::string>> expected = {
      {&c.WorkButton, "Work"}, {&c.HelpButton, "Help"}, {&c.AboutButton, "About"}, {&c.HideButton, "Hide"},
      {&c.CloseButton, "Close"}, {&c.FullScreenCheckBox, "Full screen"}, {&c.ColumnsCountComboBox, "Columns"},
      {&c.RowsCountComboBox, "Rows"}, {&c.DictionaryEdit, "Dictionary"}, {&c.WordsListEdit, "Words list"},
      {&c.AddToWordsListCheckBox, "Automatically add unknown words to words list"},
      {&c.NewStockLettersButton, "New stock letters"}, {&c.WordGroupBox, "Word"},
      {&c.PutWordButton, "Put word on board"}, {&c.PutFlippedWordButton, "Put flipped word"},
      {&c.AllowUnknownWordsCheckBox, "Allow unknown words"}, {&c.CoachGroupBox, "Coach"},
      {&c.HistoryGroupBox, "Moves"}, {&c.HistoryList, "Moves"}, {&c.BoardGroupBox, "Board"}};
  for (const auto& [control, name] : expected) EXPECT_EQ(NameOf(control->Handle()), name);
  long children = 0;
  EXPECT_EQ(NameOf(c.StockLettersGroupBox.Handle(), &children), "Stock letters");
  EXPECT_EQ(children, 7);
  EXPECT_EQ(NameOf(Board(), &children), "Board");
  EXPECT_EQ(children, 225);
}

TEST_F(MainWindowAccessTest, TabVisitsTheControlsInReadingOrderAndShiftTabGoesBack) {
  TMainWindowControls& c = form->Controls();
  // As for a window the mouse started (wine keeps showing the cues whatever is set).
  ::SendMessageA(form->Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  c.WorkButton.Focus();
  // The put buttons are off and the moves hidden (the window is small): both skipped.
  const std::vector<HWND> order = {
      c.HelpButton.Handle(),        c.AboutButton.Handle(),       c.HideButton.Handle(),
      c.CloseButton.Handle(),       c.FullScreenCheckBox.Handle(), c.ColumnsCountComboBox.Handle(),
      c.RowsCountComboBox.Handle(), c.DictionaryEdit.Handle(),     c.WordsListEdit.Handle(),
      c.AddToWordsListCheckBox.Handle(), c.NewStockLettersButton.Handle(),
      c.AllowUnknownWordsCheckBox.Handle(), Board(), c.WorkButton.Handle()};
  EXPECT_EQ(Walk(order.size()), order);
  EXPECT_FALSE(::SendMessageA(c.HelpButton.Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);

  // Loose letters turn the put buttons on; room for the moves shows the list.
  DragStockToCell(0, 7, 7);
  DragStockToCell(1, 8, 7);
  form->ApplyWindowLayout();
  c.AllowUnknownWordsCheckBox.Focus();
  EXPECT_EQ(Walk(4, true), (std::vector<HWND>{c.PutFlippedWordButton.Handle(), c.PutWordButton.Handle(),
                                              c.NewStockLettersButton.Handle(), c.AddToWordsListCheckBox.Handle()}));
  c.AllowUnknownWordsCheckBox.Focus();
  EXPECT_EQ(Walk(3), (std::vector<HWND>{c.HistoryList.Handle(), Board(), c.WorkButton.Handle()}));
  EXPECT_EQ(Walk(1, true), std::vector<HWND>{Board()});
}

// The painted controls show the focus themselves: the board with a frame
// inside its outer cells, the empty moves list around its rows' area.
TEST_F(MainWindowAccessTest, TheBoardAndTheEmptyMovesListShowTheirFocus) {
  form->ApplyWindowLayout();
  TMainWindowControls& c = form->Controls();
  HWND list = c.HistoryList.Handle();
  RECT area{};
  ::GetClientRect(list, &area);
  const std::vector<COLORREF> listAlone = Line(list, area.bottom - 2), boardAlone = Line(Board(), 2);
  c.AllowUnknownWordsCheckBox.Focus();
  PressKey(VK_TAB);
  ASSERT_EQ(::GetFocus(), list);
  EXPECT_GE(Differing(Line(list, area.bottom - 2), listAlone), 10);
  PressKey(VK_TAB);
  ASSERT_EQ(::GetFocus(), Board());
  EXPECT_EQ(Differing(Line(list, area.bottom - 2), listAlone), 0);
  EXPECT_GE(Differing(Line(Board(), 2), boardAlone), 10);

  // The keyboard cursor is a frame of its own; while it is on, Tab turns the
  // typing direction and Shift+Tab leaves the board.
  PressKey(VK_RETURN);
  ASSERT_TRUE(Game().KeyboardCursor().Active);
  EXPECT_EQ(Differing(Line(Board(), 2), boardAlone), 0);
  PressKey(VK_TAB);
  EXPECT_EQ(::GetFocus(), Board());
  EXPECT_TRUE(Game().KeyboardCursor().Down);
  PressKey(VK_TAB, VK_SHIFT);
  EXPECT_EQ(::GetFocus(), list);
}

TEST_F(MainWindowAccessTest, EnterPressesTheFocusedButtonOrCheckBox) {
  TMainWindowControls& c = form->Controls();
  c.AllowUnknownWordsCheckBox.Focus();
  PressKey(VK_RETURN);
  EXPECT_FALSE(Game().State.Settings.AllowUnknownWords);
  const std::string changes = c.LetterChangesLabel.Text();
  c.NewStockLettersButton.Focus();
  PressKey(VK_RETURN);
  EXPECT_NE(c.LetterChangesLabel.Text(), changes);
}

}  // namespace
}  // namespace vb::test
