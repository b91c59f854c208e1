#pragma once
// A main window over a temporary program folder with a small dictionary, a
// fixed random seed and scripted message boxes and file dialogs, plus the mouse
// messages a person causes when dragging letters.
#include <gtest/gtest.h>

#include <string>

#include "app/VorbelleForm.h"
#include "core/game/GameTestHelpers.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempFolder.h"
#include "ui/Application.h"

namespace vb::test {

inline LPARAM PointParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class MainWindowTest : public ::testing::Test {
 protected:
  // Words of the test dictionary (letters A..L).
  static constexpr const char* kWords = "ABBA\r\nBAD\r\nCAB\r\nDACE\r\n";

  void SetUp() override {
    WriteTestDictionary(folder.Path(), kWords);
    form = std::make_unique<TVorbelleForm>(folder.Path(), &pool, &dialogs);
    ASSERT_TRUE(form->Create());
    ui::Application::SetMainForm(form.get());
    Game().Dictionary.DictionaryName = "Test.vbd";
    ::SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    form->Show(SW_SHOWNOACTIVATE);
  }

  void TearDown() override {
    form->Drag().Cancel();
    ui::Application::SetMainForm(nullptr);
    form.reset();
  }

  TGamePresenter& Game() { return form->Game(); }

  // A new game whose stock holds exactly `letters` (slot 1 first; '.' empty).
  void StartGame(const std::string& letters = "ABCDEFG") {
    form->NewGameMenuClick();
    ASSERT_TRUE(Game().BoardVisible());
    for (int slot = 0; slot < StockSize; ++slot)
      Game().State.Stock.SetLetter(slot, slot < static_cast<int>(letters.size()) && letters[slot] != '.'
                                       ? static_cast<unsigned char>(letters[slot])
                                       : 0);
    Game().Publish();
    ::UpdateWindow(form->Handle());
  }

  HWND Panel(int slot) { return form->Controls().StockLetterPanels[slot].Handle(); }
  HWND Board() { return form->Controls().BoardPaintBox.Handle(); }
  POINT CellCentre(int column, int row) {
    const RECT cell = form->BoardView().CellRect(column, row);
    return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  }

  // Press on a window, move over a point of another and release there.
  void DragFromTo(HWND from, POINT fromPoint, HWND to, POINT toPoint) {
    ::SendMessageA(from, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(fromPoint.x, fromPoint.y));
    POINT over = toPoint;
    ::MapWindowPoints(to, from, &over, 1);
    ::SendMessageA(from, WM_MOUSEMOVE, MK_LBUTTON, PointParam(over.x, over.y));
    ::SendMessageA(from, WM_LBUTTONUP, 0, PointParam(over.x, over.y));
  }
  void DragStockToCell(int slot, int column, int row) {
    DragFromTo(Panel(slot), {20, 20}, Board(), CellCentre(column, row));
  }
  void DragCellToCell(int column, int row, int toColumn, int toRow) {
    DragFromTo(Board(), CellCentre(column, row), Board(), CellCentre(toColumn, toRow));
  }
  void DragCellToStock(int column, int row, int slot) {
    DragFromTo(Board(), CellCentre(column, row), Panel(slot), {20, 20});
  }
  void DragStockToStock(int slot, int toSlot) { DragFromTo(Panel(slot), {20, 20}, Panel(toSlot), {20, 20}); }
  void RightClickCell(int column, int row) {
    const POINT point = CellCentre(column, row);
    ::SendMessageA(Board(), WM_RBUTTONDOWN, MK_RBUTTON, PointParam(point.x, point.y));
    ::SendMessageA(Board(), WM_RBUTTONUP, 0, PointParam(point.x, point.y));
  }

  // The painted colour just inside a cell's outline.
  COLORREF CellFill(int column, int row) {
    const RECT cell = form->BoardView().CellRect(column, row);
    HDC dc = ::GetDC(Board());
    const COLORREF colour = ::GetPixel(dc, cell.left + 2, cell.top + 2);
    ::ReleaseDC(Board(), dc);
    return colour;
  }
  std::string StockText(int slot) { return form->Controls().StockLetterPanels[slot].Text(); }

  // A key press as the keyboard sends it to the focused window (the main window
  // when none has the focus), with `modifier` (VK_SHIFT, VK_CONTROL) held in the
  // thread's key state, which the program reads with GetKeyState. The message
  // loop's TranslateMessage makes its character, as for a real key.
  void PressKey(WORD key, int modifier = 0) {
    HoldKey(modifier, true);
    const HWND target = ::GetFocus() ? ::GetFocus() : form->Handle();
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
    ui::Application::ProcessPendingMessages();
    HoldKey(modifier, false);
  }
  static void HoldKey(int key, bool down) {
    if (key == 0) return;
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[key] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
  }
  TBoardCell Cell(int column, int row) { return Game().State.Board.Cell(column, row); }

  FakePlatformScope platform;
  ScriptedErrorDialog errors;
  ScriptedFileDialogs dialogs;
  TempFolder folder;
  TRandomPool pool{12345, 10, 20};
  std::unique_ptr<TVorbelleForm> form;
};

}  // namespace vb::test
