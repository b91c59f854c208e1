// The system's file dialogs as the game opens them: the name they show and the
// window they belong to.
#include <gtest/gtest.h>

#include <string>

#include "app/FileDialogs.h"
#include "platform/win32/ModalOwner.h"
#include "ui/Dpi.h"
#include "ui/Form.h"

namespace vb {
namespace {

struct DialogSeen {
  std::string Name;
  HWND Owner = nullptr;
};
DialogSeen seen;

BOOL CALLBACK TakeDialog(HWND window, LPARAM out) {
  char className[16] = "";
  ::GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "#32770") != 0 || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(out) = window;
  return FALSE;
}

// Reads the shown dialog's file name box, then cancels the dialog.
void CALLBACK ReadAndCancel(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), TakeDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;  // not up yet: the timer fires again
  ::KillTimer(nullptr, id);
  char name[MAX_PATH] = "";
  // The file name box is an edit (edt1) or, in the newer layout, a combo box (cmb13).
  if (!::GetDlgItemTextA(dialog, 0x480, name, MAX_PATH)) ::GetDlgItemTextA(dialog, 0x47C, name, MAX_PATH);
  seen.Name = name;
  seen.Owner = ::GetWindow(dialog, GW_OWNER);
  ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST(FileDialogsWin32, TheGameDialogsShowThePatternOrTheLastGameAndBelongToTheWindow) {
  ui::SetLayoutDpi(96);
  ui::Form main;
  ASSERT_TRUE(main.CreateForm("Main", 300, 200, ui::FormBorder::Single));
  main.Show();
  ::SetForegroundWindow(main.Handle());
  TWin32FileDialogs dialogs(FindModalOwner);
  char folder[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, folder);

  for (const std::string name : {"*.vbg", "mine.vbg"}) {
    seen = DialogSeen{};
    TFileDialog dialog{"Save game", "Vorbelle game (*.vbg)|*.vbg", std::string(folder) + name, "vbg"};
    ::SetTimer(nullptr, 0, 50, ReadAndCancel);
    EXPECT_FALSE(dialogs.ExecuteSave(dialog));
    EXPECT_EQ(seen.Name, name);
    EXPECT_EQ(seen.Owner, main.Handle());
  }
  ui::SetLayoutDpi(0);
}

}  // namespace
}  // namespace vb
