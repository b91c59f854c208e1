// A window that moves to a monitor of another DPI lays itself out again: the
// result must be the window the program would have opened at that DPI, and
// moving back must give back exactly the window it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/ChooseLetterForm.h"
#include "app/MainWindowFixture.h"

namespace vb::test {
namespace {

constexpr UINT kDpiChanged = 0x02E0;

struct ControlShape {
  HWND Window;
  RECT Bounds;     // within the parent
  LONG FontHeight; // of the font the control paints with
};

// Every descendant, parents before children, in creation order.
std::vector<ControlShape> ShapeOf(HWND root) {
  std::vector<ControlShape> shapes;
  std::vector<HWND> parents{root};
  for (std::size_t next = 0; next < parents.size(); ++next)
    for (HWND child = ::GetWindow(parents[next], GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      RECT bounds{};
      ::GetWindowRect(child, &bounds);
      ::MapWindowPoints(nullptr, parents[next], reinterpret_cast<POINT*>(&bounds), 2);
      LOGFONTA font{};
      if (HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(::SendMessageA(child, WM_GETFONT, 0, 0)))
        ::GetObjectA(handle, sizeof font, &font);
      shapes.push_back({child, bounds, font.lfHeight});
      parents.push_back(child);
    }
  return shapes;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

void SendDpiChange(HWND window, int dpi, const RECT& suggested) {
  ::SendMessageA(window, kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

class DpiChangeTest : public ::testing::Test {
 protected:
  void SetUp() override { ui::SetLayoutDpi(96); }
  void TearDown() override { ui::SetLayoutDpi(0); }

  FakePlatformScope platform;
  ScriptedFileDialogs dialogs;
  TempFolder folder;
  TRandomPool pool{1, 0, 0};
};

TEST_F(DpiChangeTest, TheMainWindowMovedTo144DpiMatchesOneOpenedThereAndMovesBackExactly) {
  TVorbelleForm moved(folder.Path(), &pool, &dialogs);
  ASSERT_TRUE(moved.Create());
  // Small enough that one and a half times it fits on the test screen.
  moved.SetDeviceBounds(0, 0, 800, 600);
  moved.LayOutClient();
  const std::vector<ControlShape> before = ShapeOf(moved.Handle());
  const RECT placeBefore = WindowRect(moved.Handle());
  const int cellBefore = moved.BoardView().CellWidth();

  TVorbelleForm opened(folder.Path(), &pool, &dialogs);
  {
    ui::LayoutDpiScope at144(144);
    ASSERT_TRUE(opened.Create());
  }
  // The system suggests the window one and a half times as large, where it was.
  const RECT target{placeBefore.left, placeBefore.top, placeBefore.left + 3 * (placeBefore.right - placeBefore.left) / 2,
                    placeBefore.top + 3 * (placeBefore.bottom - placeBefore.top) / 2};
  SendDpiChange(moved.Handle(), 144, target);

  // The main window's monitor sets the DPI of every window.
  EXPECT_EQ(ui::ScreenDpi(), 144);
  EXPECT_EQ(moved.LaidOutDpi(), 144);
  const RECT placed = WindowRect(moved.Handle());
  EXPECT_TRUE(::EqualRect(&target, &placed));

  const std::vector<ControlShape> after = ShapeOf(moved.Handle());
  const std::vector<ControlShape> there = ShapeOf(opened.Handle());
  ASSERT_EQ(after.size(), there.size());
  // The board (its letters follow its cells) and the move history fill the
  // client area, which the window only opened at 144 DPI is not laid out to.
  const TMainWindowControls& c = moved.Controls();
  const std::vector<HWND> sizedByTheWindow{c.BoardGroupBox.Handle(), c.BoardPaintBox.Handle(),
                                           c.HistoryGroupBox.Handle(), c.HistoryList.Handle()};
  for (std::size_t i = 0; i < after.size(); ++i) {
    char text[64] = {};
    ::GetWindowTextA(after[i].Window, text, sizeof text);
    if (std::find(sizedByTheWindow.begin(), sizedByTheWindow.end(), after[i].Window) != sizedByTheWindow.end())
      continue;
    EXPECT_EQ(after[i].FontHeight, there[i].FontHeight) << i << " \"" << text << "\"";
    EXPECT_TRUE(::EqualRect(&after[i].Bounds, &there[i].Bounds)) << i << " \"" << text << "\"";
  }
  const RECT group = moved.Controls().BoardGroupBox.DeviceBounds();
  EXPECT_EQ(group.right, moved.ClientWidth() - ui::Scale(5));
  EXPECT_EQ(group.bottom, moved.ClientHeight() - ui::Scale(5));
  EXPECT_NEAR(moved.BoardView().CellWidth(), 3 * cellBefore / 2, 2);

  SendDpiChange(moved.Handle(), 96, placeBefore);
  EXPECT_EQ(ui::ScreenDpi(), 96);
  const std::vector<ControlShape> back = ShapeOf(moved.Handle());
  ASSERT_EQ(back.size(), before.size());
  for (std::size_t i = 0; i < back.size(); ++i) {
    EXPECT_TRUE(::EqualRect(&back[i].Bounds, &before[i].Bounds)) << i;
    EXPECT_EQ(back[i].FontHeight, before[i].FontHeight) << i;
  }
  EXPECT_EQ(moved.BoardView().CellWidth(), cellBefore);
}

TEST_F(DpiChangeTest, ADialogLaidOutAtAnotherDpiIsLaidOutAgainBeforeItShows) {
  TChooseLetterForm later;
  ASSERT_TRUE(later.Create());
  later.BuildLetterPanels();
  ui::SetLayoutDpi(144);
  TChooseLetterForm opened;
  ASSERT_TRUE(opened.Create());
  opened.BuildLetterPanels();

  EXPECT_TRUE(later.RescaleToLayoutDpi());
  EXPECT_FALSE(later.RescaleToLayoutDpi());  // once is enough
  EXPECT_EQ(later.ClientWidth(), opened.ClientWidth());
  EXPECT_EQ(later.ClientHeight(), opened.ClientHeight());
  const std::vector<ControlShape> rescaled = ShapeOf(later.Handle());
  const std::vector<ControlShape> there = ShapeOf(opened.Handle());
  ASSERT_EQ(rescaled.size(), there.size());
  for (std::size_t i = 0; i < rescaled.size(); ++i) {
    EXPECT_TRUE(::EqualRect(&rescaled[i].Bounds, &there[i].Bounds)) << i;
    EXPECT_EQ(rescaled[i].FontHeight, there[i].FontHeight) << i;
  }
}

}  // namespace
}  // namespace vb::test
