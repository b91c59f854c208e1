// The board's zoom in the main window, through the keys, the wheel and the
// scroll bars as a person uses them, and the settings file that keeps it.
#include <gtest/gtest.h>

#include <vector>

#include "app/MainWindowFixture.h"
#include "app/MsaaClient.h"
#include "core/base/Paths.h"

namespace vb::test {
namespace {

class BoardZoomTest : public MainWindowTest {
 protected:
  // A wheel turn over a point of the board, sent to the window as the system does.
  void Wheel(int notches, WORD keys, POINT boardPoint) {
    ::ClientToScreen(Board(), &boardPoint);
    ::SendMessageA(form->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, notches * WHEEL_DELTA),
                   MAKELPARAM(boardPoint.x, boardPoint.y));
  }
  int FitCellWidth() {
    const RECT box = form->Controls().BoardPaintBox.DeviceBounds();
    return (box.right - box.left) / Game().State.Board.ColumnsCount;
  }
  bool HasBars() {
    const LONG style = ::GetWindowLongA(Board(), GWL_STYLE);
    return (style & WS_HSCROLL) && (style & WS_VSCROLL);
  }
  bool MenuEnabled(const char* caption) {
    for (const ui::PopupMenu::Item& item : form->WorkMenu().Items())
      if (item.Caption == caption) return item.Enabled();
    ADD_FAILURE() << caption;
    return false;
  }
  // A few pixels of every cell, as painted.
  std::vector<COLORREF> Pixels() {
    ::RedrawWindow(Board(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::vector<COLORREF> pixels;
    HDC dc = ::GetDC(Board());
    for (int y = 0; y < form->Controls().BoardPaintBox.ClientHeight(); y += 7)
      for (int x = 0; x < form->Controls().BoardPaintBox.ClientWidth(); x += 7) pixels.push_back(::GetPixel(dc, x, y));
    ::ReleaseDC(Board(), dc);
    return pixels;
  }
  std::string SettingsPath() { return folder / kViewSettingsFileName; }
};

TEST_F(BoardZoomTest, CtrlPlusGrowsTheCellsAndShowsBarsAndCtrlZeroFitsAgainToTheSamePixels) {
  EXPECT_FALSE(MenuEnabled("Zoom in")) << "no board";
  ::SetForegroundWindow(form->Handle());
  StartGame("BACSDLE");
  const int fit = FitCellWidth();
  EXPECT_EQ(form->BoardView().CellWidth(), fit);
  EXPECT_FALSE(HasBars());
  EXPECT_TRUE(MenuEnabled("Zoom in"));
  EXPECT_FALSE(MenuEnabled("Zoom out"));
  EXPECT_FALSE(MenuEnabled("Zoom to fit"));
  const std::vector<COLORREF> before = Pixels();

  PressKey(VK_OEM_PLUS, VK_CONTROL);
  EXPECT_EQ(form->BoardViewport().Zoom(), 125);
  EXPECT_EQ(form->BoardView().CellWidth(), fit * 125 / 100);
  EXPECT_TRUE(HasBars());
  PressKey(VK_ADD, VK_CONTROL);  // the keypad's plus
  EXPECT_EQ(form->BoardView().CellWidth(), fit * 150 / 100) << "the bars take room, not cell size";
  PressKey(VK_SUBTRACT, VK_CONTROL);
  EXPECT_EQ(form->BoardViewport().Zoom(), 125);
  form->FormKeyDown(VK_OEM_PLUS, (1u << CtrlKey) | (1u << ShiftKey));  // plus as Shift+= types it
  EXPECT_EQ(form->BoardViewport().Zoom(), 150);
  form->FormKeyDown(VK_OEM_MINUS, (1u << CtrlKey) | (1u << AltKey));
  EXPECT_EQ(form->BoardViewport().Zoom(), 150) << "Ctrl only";
  for (int i = 0; i < 6; ++i) PressKey(VK_OEM_PLUS, VK_CONTROL);
  EXPECT_EQ(form->BoardViewport().Zoom(), 400);
  EXPECT_FALSE(MenuEnabled("Zoom in"));
  EXPECT_TRUE(MenuEnabled("Zoom out"));

  PressKey('0', VK_CONTROL);
  EXPECT_EQ(form->BoardViewport().Zoom(), 100);
  EXPECT_EQ(form->BoardView().CellWidth(), fit);
  EXPECT_EQ(form->BoardView().ScrollX() + form->BoardView().ScrollY(), 0);
  EXPECT_FALSE(HasBars());
  EXPECT_EQ(Pixels(), before);
  EXPECT_EQ(ReadTextFile(SettingsPath()), "[Board]\r\nZoom=100\r\n\r\n");
}

TEST_F(BoardZoomTest, AfterScrollingClicksDropsAndTheCursorFindTheirCells) {
  ::SetForegroundWindow(form->Handle());
  StartGame("BACSDLE");
  ASSERT_TRUE(form->CommandTable().Run(TCommandId::ZoomIn, Game().ViewModel()));
  ASSERT_TRUE(form->CommandTable().Run(TCommandId::ZoomIn, Game().ViewModel()));
  ASSERT_TRUE(form->CommandTable().Run(TCommandId::ZoomIn, Game().ViewModel()));  // 200%
  const TBoardView& view = form->BoardView();
  EXPECT_GT(view.ScrollX(), 0) << "zoomed around the visible centre";
  ::SendMessageA(Board(), WM_VSCROLL, SB_TOP, 0);
  ::SendMessageA(Board(), WM_HSCROLL, SB_TOP, 0);
  ::SendMessageA(Board(), WM_VSCROLL, SB_LINEDOWN, 0);
  ::SendMessageA(Board(), WM_VSCROLL, SB_LINEDOWN, 0);
  ::SendMessageA(Board(), WM_HSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(view.ScrollY(), 2 * view.CellHeight());
  EXPECT_EQ(view.ScrollX(), form->Controls().BoardPaintBox.ClientWidth());
  EXPECT_EQ(::GetScrollPos(Board(), SB_HORZ), view.ScrollX());

  // The point (5, 5) of the box is on the cell the offsets bring there.
  const TCellPosition expected{(5 + view.ScrollX()) / view.CellWidth(), (5 + view.ScrollY()) / view.CellHeight()};
  ASSERT_EQ(view.CellAt(5, 5), expected);
  const RECT rect = view.CellRect(expected.Column, expected.Row);
  EXPECT_TRUE(rect.left <= 5 && rect.right > 5 && rect.top <= 5 && rect.bottom > 5);
  DragFromTo(Panel(0), {20, 20}, Board(), {5, 5});
  EXPECT_EQ(Cell(expected.Column, expected.Row).Letter, 'B');

  // A click on an empty cell puts the cursor there; moving it out of view scrolls.
  ::SendMessageA(Board(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5 + view.CellWidth(), 5));
  ::SendMessageA(Board(), WM_LBUTTONUP, 0, PointParam(5 + view.CellWidth(), 5));
  ASSERT_TRUE(Game().ViewModel().Cursor.Active);
  EXPECT_EQ(Game().ViewModel().Cursor.Row, expected.Row);
  const int top = view.ScrollY();
  for (int i = 0; i < 2; ++i) {
    ::PostMessageA(Board(), WM_KEYDOWN, VK_UP, 1);
    ui::Application::ProcessPendingMessages();
  }
  EXPECT_EQ(view.ScrollY(), top - 2 * view.CellHeight());
  EXPECT_EQ(view.CellRect(expected.Column + 1, expected.Row - 2).top, 0) << "the cursor's cell just in view";
}

TEST_F(BoardZoomTest, CtrlWheelZoomsAroundThePointerAndTheWheelScrolls) {
  StartGame();
  const TBoardView& view = form->BoardView();
  const RECT cell = view.CellRect(10, 9);
  const POINT pointer{cell.left + 3, cell.top + 3};
  Wheel(1, MK_CONTROL, pointer);
  EXPECT_EQ(form->BoardViewport().Zoom(), 125);
  EXPECT_EQ(view.CellAt(pointer.x, pointer.y), (TCellPosition{10, 9}));
  Wheel(2, MK_CONTROL, pointer);
  EXPECT_EQ(form->BoardViewport().Zoom(), 200);
  EXPECT_EQ(view.CellAt(pointer.x, pointer.y), (TCellPosition{10, 9}));

  const int x = view.ScrollX(), y = view.ScrollY();
  Wheel(-1, 0, pointer);
  EXPECT_EQ(view.ScrollY(), y + view.CellHeight());
  Wheel(1, MK_SHIFT, pointer);
  EXPECT_EQ(view.ScrollX(), x - view.CellWidth());
  Wheel(-3, MK_CONTROL, pointer);
  EXPECT_EQ(form->BoardViewport().Zoom(), 100);
  EXPECT_EQ(view.CellWidth(), FitCellWidth());
}

TEST_F(BoardZoomTest, TheZoomIsSavedAloneAndANewWindowStartsWithIt) {
  const std::string optionsPath = folder / kOptionsFileName;
  const std::string options = "[Game]\r\nFullScreen=0\r\n; the player's own note\r\n";
  WriteTextFile(optionsPath, options);
  form->BeforeRun();
  StartGame();
  form->CommandTable().Run(TCommandId::ZoomIn, Game().ViewModel());
  form->CommandTable().Run(TCommandId::ZoomIn, Game().ViewModel());
  EXPECT_EQ(ReadTextFile(SettingsPath()), "[Board]\r\nZoom=150\r\n\r\n");
  EXPECT_EQ(ReadTextFile(optionsPath), options);

  TearDown();
  SetUp();
  form->BeforeRun();
  EXPECT_EQ(form->BoardViewport().Zoom(), 150);
  StartGame();
  EXPECT_EQ(form->BoardView().CellWidth(), FitCellWidth() * 150 / 100);
}

TEST_F(BoardZoomTest, ADamagedFileStartsAtTheFitAndOneThatCannotBeReadIsLeftAlone) {
  WriteTextFile(SettingsPath(), "[Board]\r\nZoom=4000\r\n");
  form->BeforeRun();
  EXPECT_EQ(form->BoardViewport().Zoom(), 100);

  TearDown();
  ::DeleteFileA(SettingsPath().c_str());
  ASSERT_TRUE(::CreateDirectoryA(SettingsPath().c_str(), nullptr));
  SetUp();
  form->BeforeRun();
  StartGame();
  EXPECT_TRUE(form->CommandTable().Run(TCommandId::ZoomIn, Game().ViewModel()));
  EXPECT_EQ(form->BoardViewport().Zoom(), 125);
  EXPECT_TRUE(::GetFileAttributesA(SettingsPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  for (const ShownBox& box : platform->Boxes) EXPECT_EQ(box.Text.find("zoom"), std::string::npos) << box.Text;
  ::RemoveDirectoryA(SettingsPath().c_str());
}

// A move to a monitor of another DPI keeps the zoom: the cells grow with the
// DPI and the bars stay; moving back gives the cells they had.
TEST_F(BoardZoomTest, ADpiChangeKeepsTheZoom) {
  StartGame();
  form->LayOutClient();
  for (int press = 0; press < 3; ++press) PressKey(VK_OEM_PLUS, VK_CONTROL);
  ASSERT_EQ(form->BoardViewport().Zoom(), 200);
  const int zoomedCell = form->BoardView().CellWidth();
  RECT place{};
  ::GetWindowRect(form->Handle(), &place);
  const RECT larger{place.left, place.top, place.left + 3 * (place.right - place.left) / 2,
                    place.top + 3 * (place.bottom - place.top) / 2};
  constexpr UINT kDpiChanged = 0x02E0;
  ::SendMessageA(form->Handle(), kDpiChanged, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&larger));
  EXPECT_EQ(form->BoardViewport().Zoom(), 200);
  EXPECT_NEAR(form->BoardView().CellWidth(), 3 * zoomedCell / 2, 2);
  EXPECT_TRUE(HasBars());
  ::SendMessageA(form->Handle(), kDpiChanged, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&place));
  EXPECT_EQ(form->BoardView().CellWidth(), zoomedCell);
  ui::SetLayoutDpi(0);
}

// A letter held near the bottom edge of a zoomed board scrolls it down a cell
// each step, and lands on the cell under it; once dropped, nothing scrolls.
TEST_F(BoardZoomTest, ADragNearAnEdgeScrollsTheZoomedBoard) {
  StartGame();
  for (int press = 0; press < 3; ++press) PressKey(VK_OEM_PLUS, VK_CONTROL);
  const TBoardView& view = form->BoardView();
  // Zoomed around the centre: there is room to scroll down.
  const int scrollX = view.ScrollX(), scrollY = view.ScrollY();
  POINT nearBottom{form->Controls().BoardPaintBox.ClientWidth() / 2, form->Controls().BoardPaintBox.ClientHeight() - 3};
  ::SendMessageA(Panel(0), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  POINT over = nearBottom;
  ::MapWindowPoints(Board(), Panel(0), &over, 1);
  ::SendMessageA(Panel(0), WM_MOUSEMOVE, MK_LBUTTON, PointParam(over.x, over.y));
  ::SendMessageA(form->Handle(), WM_TIMER, TDragAutoScroll::kTimer, 0);
  ::SendMessageA(form->Handle(), WM_TIMER, TDragAutoScroll::kTimer, 0);
  EXPECT_EQ(view.ScrollY(), scrollY + 2 * view.CellHeight());
  EXPECT_EQ(view.ScrollX(), scrollX);
  const std::optional<TCellPosition> target = view.CellAt(nearBottom.x, nearBottom.y);
  ASSERT_TRUE(target);
  ::SendMessageA(Panel(0), WM_LBUTTONUP, 0, PointParam(over.x, over.y));
  EXPECT_EQ(Game().State.Board.Cell(target->Column, target->Row).Letter, 'A');
  ::SendMessageA(form->Handle(), WM_TIMER, TDragAutoScroll::kTimer, 0);
  EXPECT_EQ(view.ScrollY(), scrollY + 2 * view.CellHeight());
}

// Screen readers hear which cells a zoomed board has scrolled out of view.
TEST_F(BoardZoomTest, CellsScrolledOutOfViewAreOffScreenForScreenReaders) {
  StartGame();
  for (int press = 0; press < 3; ++press) PressKey(VK_OEM_PLUS, VK_CONTROL);
  ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
  IAccessible* board = AccessibleOf(Board());
  ASSERT_TRUE(board);
  const auto offScreen = [board](int column, int row) {
    VARIANT state;
    ::VariantInit(&state);
    EXPECT_EQ(board->get_accState(ChildId(row * 15 + column + 1), &state), S_OK);
    return (state.lVal & STATE_SYSTEM_OFFSCREEN) != 0;
  };
  EXPECT_TRUE(offScreen(0, 0));    // zoomed around the centre
  EXPECT_FALSE(offScreen(7, 7));
  PressKey('0', VK_CONTROL);
  EXPECT_FALSE(offScreen(0, 0));
  board->Release();
  ::CoUninitialize();
}

}  // namespace
}  // namespace vb::test
