// The main window to keyboard and screen-reader users: what an MSAA client
// reads for every control, and the Tab walk through the program's own message
// loop (dialog navigation over the nested panels), with the focus cues shown.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <string>
#include <utility>
#include <vector>

#include "app/MainWindowFixture.h"

namespace vb::test {
namespace {

BOOL CALLBACK AddTabStop(HWND window, LPARAM list) {
  if (::IsWindowVisible(window) && (::GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// Keys for the Work menu once its own loop runs: the first item, chosen.
HWND menuOwner = nullptr;
VOID CALLBACK ChooseFirstMenuItem(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_MENU] = 0;  // Alt let go
  ::SetKeyboardState(keys);
  ::PostMessageA(menuOwner, WM_KEYDOWN, VK_DOWN, 1);
  ::PostMessageA(menuOwner, WM_KEYDOWN, VK_RETURN, 1);
}

class MainWindowAccessTest : public MainWindowTest {
 protected:
  void Press(WORD key, bool shift = false) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, key, 1);
    ui::Application::ProcessPendingMessages();
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
  }
  // The focus after each of `count` presses of Tab (Shift+Tab when `back`).
  std::vector<HWND> Walk(int count, bool back = false) {
    std::vector<HWND> visited;
    for (int i = 0; i < count; ++i) {
      Press(VK_TAB, back);
      visited.push_back(::GetFocus());
    }
    return visited;
  }
  // Pixels 4..39 of one line of a window, once it has painted.
  static std::vector<COLORREF> Row(HWND window, int y) {
    ::UpdateWindow(window);
    std::vector<COLORREF> pixels;
    HDC dc = ::GetDC(window);
    for (int x = 4; x < 40; ++x) pixels.push_back(::GetPixel(dc, x, y));
    ::ReleaseDC(window, dc);
    return pixels;
  }
  static int Differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) count += a[i] != b[i];
    return count;
  }
  static std::string NameOf(HWND window, long* children = nullptr) {
    IAccessible* object = nullptr;
    if (::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                     reinterpret_cast<void**>(&object)) != S_OK || !object)
      return "<no object>";
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text = "<no name>";
    if (object->get_accName(self, &name) == S_OK && name) {
      char buffer[256] = {};
      ::WideCharToMultiByte(CP_ACP, 0, name, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
      text = buffer;
    }
    ::SysFreeString(name);
    if (children) object->get_accChildCount(children);
    object->Release();
    return text;
  }
  void SetUp() override {
    MainWindowTest::SetUp();
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ::SetForegroundWindow(form->Handle());
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    ::CoUninitialize();
  }
};

TEST_F(MainWindowAccessTest, EveryControlReadsAsItsCaptionOrLabel) {
  StartGame();
  form->ApplyWindowLayout();  // room for the coach and the moves
  TMainWindowControls& c = form->Controls();
  ASSERT_TRUE(::IsWindowVisible(c.HistoryList.Handle()));
  const std::vector<std::pair<ui::Window*, std::string>> expected = {
      {&c.WorkButton, "Work"},
      {&c.HelpButton, "Help"},
      {&c.AboutButton, "About"},
      {&c.HideButton, "Hide"},
      {&c.CloseButton, "Close"},
      {&c.FullScreenCheckBox, "Full screen"},
      {&c.ColumnsCountComboBox, "Columns"},
      {&c.RowsCountComboBox, "Rows"},
      {&c.DictionaryEdit, "Dictionary"},
      {&c.WordsListEdit, "Words list"},
      {&c.AddToWordsListCheckBox, "Automatically add unknown words to words list"},
      {&c.NewStockLettersButton, "New stock letters"},
      {&c.WordGroupBox, "Word"},
      {&c.PutWordButton, "Put word on board"},
      {&c.PutFlippedWordButton, "Put flipped word"},
      {&c.AllowUnknownWordsCheckBox, "Allow unknown words"},
      {&c.CoachGroupBox, "Coach"},
      {&c.HistoryGroupBox, "Moves"},
      {&c.HistoryList, "Moves"},
      {&c.BoardGroupBox, "Board"},
  };
  for (const auto& [control, name] : expected) EXPECT_EQ(NameOf(control->Handle()), name);
  long children = 0;
  EXPECT_EQ(NameOf(c.StockLettersGroupBox.Handle(), &children), "Stock letters");
  EXPECT_EQ(children, 7);
  EXPECT_EQ(NameOf(Board(), &children), "Board");
  EXPECT_EQ(children, 225);
  // A renamed combo box is still the system's: its value and its parts.
  IAccessible* columns = nullptr;
  ASSERT_EQ(::AccessibleObjectFromWindow(c.ColumnsCountComboBox.Handle(), static_cast<DWORD>(OBJID_CLIENT),
                                         IID_IAccessible, reinterpret_cast<void**>(&columns)),
            S_OK);
  HWND found = nullptr;
  EXPECT_EQ(::WindowFromAccessibleObject(columns, &found), S_OK);
  EXPECT_EQ(found, c.ColumnsCountComboBox.Handle());
  columns->Release();

  // Whatever else can take the focus has a name too.
  std::vector<HWND> stops;
  ::EnumChildWindows(form->Handle(), &AddTabStop, reinterpret_cast<LPARAM>(&stops));
  EXPECT_EQ(stops.size(), expected.size() - 4 + 1) << "every tab stop but the group boxes, plus the board";
  for (HWND stop : stops) {
    const std::string name = NameOf(stop);
    EXPECT_FALSE(name.empty() || name[0] == '<') << name;
  }
}

TEST_F(MainWindowAccessTest, TabVisitsTheControlsInReadingOrderAndShiftTabGoesBack) {
  StartGame();
  TMainWindowControls& c = form->Controls();
  // The mouse started the window: no focus rectangles yet (wine shows them
  // whatever is set; tests/ui checks the clearing against a window that keeps them).
  ::SendMessageA(form->Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  c.WorkButton.Focus();
  // The put buttons are off and the moves hidden (the window is too small): both skipped.
  std::vector<HWND> order = {c.HelpButton.Handle(),
                             c.AboutButton.Handle(),
                             c.HideButton.Handle(),
                             c.CloseButton.Handle(),
                             c.FullScreenCheckBox.Handle(),
                             c.ColumnsCountComboBox.Handle(),
                             c.RowsCountComboBox.Handle(),
                             c.DictionaryEdit.Handle(),
                             c.WordsListEdit.Handle(),
                             c.AddToWordsListCheckBox.Handle(),
                             c.NewStockLettersButton.Handle(),
                             c.AllowUnknownWordsCheckBox.Handle(),
                             Board(),
                             c.WorkButton.Handle()};
  EXPECT_EQ(Walk(static_cast<int>(order.size())), order);
  EXPECT_FALSE(::SendMessageA(form->Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
  EXPECT_FALSE(::SendMessageA(c.HelpButton.Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);

  // Loose letters turn the put buttons on; room for the moves shows the list.
  DragStockToCell(0, 7, 7);
  DragStockToCell(1, 8, 7);
  ASSERT_TRUE(c.PutWordButton.Enabled());
  form->ApplyWindowLayout();
  c.AllowUnknownWordsCheckBox.Focus();
  const std::vector<HWND> back = Walk(5, true);
  EXPECT_EQ(back, (std::vector<HWND>{c.PutFlippedWordButton.Handle(), c.PutWordButton.Handle(),
                                     c.NewStockLettersButton.Handle(), c.AddToWordsListCheckBox.Handle(),
                                     c.WordsListEdit.Handle()}));
  c.AllowUnknownWordsCheckBox.Focus();
  EXPECT_EQ(Walk(3), (std::vector<HWND>{c.HistoryList.Handle(), Board(), c.WorkButton.Handle()}));
  EXPECT_EQ(Walk(1, true), std::vector<HWND>{Board()});
}

TEST_F(MainWindowAccessTest, TheBoardKeepsTabWhileTypingAndShowsItsFocusWithout) {
  StartGame();
  TMainWindowControls& c = form->Controls();
  c.AllowUnknownWordsCheckBox.Focus();
  Press(VK_TAB);
  ASSERT_EQ(::GetFocus(), Board());
  // The focus frame: along the top of the cells, inside their outline.
  const std::vector<COLORREF> focused = Row(Board(), 2);
  Press(VK_RETURN);  // the cursor starts in the middle, a frame of its own
  ASSERT_TRUE(Game().KeyboardCursor().Active);
  const std::vector<COLORREF> typing = Row(Board(), 2);
  EXPECT_GE(Differing(focused, typing), 10) << "the focus frame goes when the cursor comes";

  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), Board());
  EXPECT_TRUE(Game().KeyboardCursor().Down) << "Tab turns the typing direction";
  Press(VK_TAB, true);
  EXPECT_EQ(::GetFocus(), c.AllowUnknownWordsCheckBox.Handle()) << "Shift+Tab leaves the board";
}

TEST_F(MainWindowAccessTest, TheEmptyMovesListShowsItsFocus) {
  StartGame();
  form->ApplyWindowLayout();
  ui::ListView& list = form->Controls().HistoryList;
  ASSERT_EQ(list.RowCount(), 0);
  RECT bottom{};
  ::GetClientRect(list.Handle(), &bottom);
  const std::vector<COLORREF> unfocused = Row(list.Handle(), bottom.bottom - 2);
  form->Controls().AllowUnknownWordsCheckBox.Focus();
  Press(VK_TAB);
  ASSERT_EQ(::GetFocus(), list.Handle());
  EXPECT_GE(Differing(Row(list.Handle(), bottom.bottom - 2), unfocused), 10);
  Press(VK_TAB);
  EXPECT_EQ(Differing(Row(list.Handle(), bottom.bottom - 2), unfocused), 0) << "and loses it";
}

TEST_F(MainWindowAccessTest, EnterPressesTheFocusedButtonOrCheckBox) {
  StartGame();
  TMainWindowControls& c = form->Controls();
  c.AllowUnknownWordsCheckBox.Focus();
  Press(VK_RETURN);
  EXPECT_FALSE(c.AllowUnknownWordsCheckBox.Checked());
  EXPECT_FALSE(Game().State.Settings.AllowUnknownWords);
  const std::string changes = c.LetterChangesLabel.Text();
  c.NewStockLettersButton.Focus();
  Press(VK_RETURN);
  EXPECT_NE(c.LetterChangesLabel.Text(), changes);
}

TEST_F(MainWindowAccessTest, AltWOpensTheWorkMenuWhoseItemsRunCommands) {
  form->Controls().HelpButton.Focus();
  menuOwner = form->Handle();
  ::SetTimer(nullptr, 0, 200, &ChooseFirstMenuItem);
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_MENU] = 0x80;
  ::SetKeyboardState(keys);
  ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, 'W', 1 | (1 << 29));
  ui::Application::ProcessPendingMessages();
  EXPECT_TRUE(Game().BoardVisible()) << "New game ran from the menu";
}

}  // namespace
}  // namespace vb::test
