// High contrast (forced here: wine always reads the setting off): the board
// paints with the window colours and frames loose letters thickly, so they
// differ from fixed ones by more than colour; switched off, it paints as before.
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"

namespace vb::test {
namespace {

class HighContrastTest : public MainWindowTest {
 protected:
  COLORREF PixelAt(int column, int row, int dx, int dy) {
    ::UpdateWindow(Board());
    const RECT cell = form->BoardView().CellRect(column, row);
    HDC dc = ::GetDC(Board());
    const COLORREF colour = ::GetPixel(dc, cell.left + dx, cell.top + dy);
    ::ReleaseDC(Board(), dc);
    return colour;
  }
  void Switch(const char* value) {
    ::SetEnvironmentVariableA("VORBELLE_HIGH_CONTRAST", value);
    ::SendMessageA(form->Handle(), WM_SYSCOLORCHANGE, 0, 0);
  }
};

TEST_F(HighContrastTest, LooseLettersGetAThickFrameAndOnlySystemColoursAreUsed) {
  StartGame("ABCDEFG");
  DragStockToCell(0, 3, 3);  // loose
  Game().State.Board.SetCell(5, 5, TBoardCell{'C', false});  // fixed
  Game().Publish();
  Switch("1");
  EXPECT_EQ(PixelAt(3, 3, 2, form->BoardView().CellHeight() / 2), ::GetSysColor(COLOR_WINDOWTEXT)) << "frame";
  EXPECT_EQ(PixelAt(5, 5, 2, form->BoardView().CellHeight() / 2), ::GetSysColor(COLOR_HIGHLIGHT)) << "fixed fill";
  EXPECT_EQ(PixelAt(7, 7, 2, 2), ::GetSysColor(COLOR_WINDOW)) << "empty fill";

  Switch("0");
  EXPECT_EQ(PixelAt(3, 3, 2, form->BoardView().CellHeight() / 2), ::GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(PixelAt(7, 7, 2, 2), ::GetSysColor(COLOR_BTNFACE));
  ::SetEnvironmentVariableA("VORBELLE_HIGH_CONTRAST", nullptr);
}

}  // namespace
}  // namespace vb::test
