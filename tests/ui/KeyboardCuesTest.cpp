// The focus and mnemonic cues through the message loop, against a window that
// keeps its cue state as Windows does for a window the mouse started.
#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"

namespace vb::ui {
namespace {

struct CueKeepingForm : Form {
  WORD State = UISF_HIDEFOCUS | UISF_HIDEACCEL;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_QUERYUISTATE) return State;
    if (message == WM_CHANGEUISTATE && LOWORD(wParam) == UIS_CLEAR) State &= static_cast<WORD>(~HIWORD(wParam));
    return message == WM_CHANGEUISTATE ? 0 : Form::HandleMessage(message, wParam, lParam);
  }
};

TEST(KeyboardCuesTest, AKeyShowsTheFocusAndAltShowsTheUnderlines) {
  CueKeepingForm form;
  Button button;
  ASSERT_TRUE(form.CreateForm("Cues", 200, 80, FormBorder::Single));
  ASSERT_TRUE(button.Create(form, {10, 10, 80, 25}, "&Go"));
  form.Show(SW_SHOWNOACTIVATE);
  button.Focus();
  ::PostMessageA(button.Handle(), WM_KEYDOWN, 'X', 1);
  Application::ProcessPendingMessages();
  EXPECT_EQ(form.State, UISF_HIDEACCEL);
  ::PostMessageA(button.Handle(), WM_SYSKEYDOWN, VK_MENU, 1 << 29);
  Application::ProcessPendingMessages();
  EXPECT_EQ(form.State, 0);
}

}  // namespace
}  // namespace vb::ui
