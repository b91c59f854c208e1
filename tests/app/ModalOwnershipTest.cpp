// Message boxes and the program's dialogs belong to the window the player works
// in, and give the activation back to exactly that window when they close.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <utility>

#include "app/ErrorForm.h"
#include "platform/win32/ModalOwner.h"
#include "platform/win32/Win32Platform.h"
#include "ui/Dpi.h"
#include "ui/Form.h"

namespace vb {
namespace {

// Runs a step from the message loop that is running then (a box's or a modal
// form's), as a player's click would.
std::map<UINT_PTR, std::function<void()>>& PendingSteps() {
  static std::map<UINT_PTR, std::function<void()>> steps;
  return steps;
}

void CALLBACK RunStep(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  auto found = PendingSteps().find(id);
  if (found == PendingSteps().end()) return;
  std::function<void()> step = std::move(found->second);
  PendingSteps().erase(found);
  step();
}

void RunSoon(std::function<void()> step) {
  const UINT_PTR id = ::SetTimer(nullptr, 0, 30, RunStep);
  PendingSteps()[id] = std::move(step);
}

BOOL CALLBACK TakeMessageBox(HWND window, LPARAM out) {
  char className[16] = "";
  ::GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "#32770") != 0 || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(out) = window;
  return FALSE;
}

// The message box the thread shows now, or null.
HWND ShownMessageBox() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), TakeMessageBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

struct BoxSeen {
  HWND Owner = nullptr;
  bool OwnerEnabled = true;
};

// Shows a real message box, answered with OK once it is up.
BoxSeen ShowAnsweredBox(Win32Platform& platform) {
  BoxSeen seen;
  RunSoon([&] {
    HWND box = ShownMessageBox();
    if (!box) return;
    seen.Owner = ::GetWindow(box, GW_OWNER);
    seen.OwnerEnabled = seen.Owner && ::IsWindowEnabled(seen.Owner);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  platform.ShowBox("Message", "The words list has been analyzed.", MB_OK | MB_TASKMODAL | MB_ICONINFORMATION);
  return seen;
}

class ModalOwnershipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::SetLayoutDpi(96);
    ASSERT_TRUE(main.CreateForm("Main", 300, 200, ui::FormBorder::Single));
    ASSERT_TRUE(about.CreateForm("About", 200, 100, ui::FormBorder::Dialog));
    main.Show();
    ::SetForegroundWindow(main.Handle());
    ::SetActiveWindow(main.Handle());
  }
  void TearDown() override { ui::SetLayoutDpi(0); }

  Win32Platform platform;
  ui::Form main;
  ui::Form about;
};

TEST_F(ModalOwnershipTest, ABoxBelongsToTheActiveWindowWhichIsActiveAgainAfterwards) {
  ASSERT_EQ(FindModalOwner(), main.Handle());
  const BoxSeen seen = ShowAnsweredBox(platform);
  EXPECT_EQ(seen.Owner, main.Handle());
  EXPECT_FALSE(seen.OwnerEnabled);
  // Alt+F4 and the keys reach the main window again.
  EXPECT_EQ(::GetActiveWindow(), main.Handle());
  EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
}

TEST_F(ModalOwnershipTest, BoxesAndTheErrorDialogShownFromAModalFormReturnToIt) {
  TErrorForm errorForm;
  ASSERT_TRUE(errorForm.Create());
  BoxSeen box;
  HWND activeAfterBox = nullptr, errorOwner = nullptr, activeAfterError = nullptr;
  bool mainEnabledInside = true;
  RunSoon([&] {
    mainEnabledInside = ::IsWindowEnabled(main.Handle()) != FALSE;
    box = ShowAnsweredBox(platform);
    activeAfterBox = ::GetActiveWindow();
    errorForm.OnShown = [&] {
      errorOwner = ::GetWindow(errorForm.Handle(), GW_OWNER);
      errorForm.OkayButton.Click();
    };
    errorForm.Dialog("Error", "Failed to show the \"About\" dialog.", nullptr, "\r\nRAISE CONTEXT");
    activeAfterError = ::GetActiveWindow();
    about.EndModal(ui::ModalOk);
  });
  // Handed the disabled main window, as a caller behind a modal form would.
  about.ShowModal(main.Handle());

  EXPECT_FALSE(mainEnabledInside);
  EXPECT_EQ(box.Owner, about.Handle());
  EXPECT_EQ(activeAfterBox, about.Handle());
  EXPECT_EQ(errorOwner, about.Handle());
  EXPECT_EQ(activeAfterError, about.Handle());
  // Closing the modal form gives the main window its activation back.
  EXPECT_EQ(::GetActiveWindow(), main.Handle());
  EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
}

TEST_F(ModalOwnershipTest, HiddenDisabledAndToolWindowsNeverOwnABox) {
  EXPECT_FALSE(CanOwnModal(nullptr));
  EXPECT_FALSE(CanOwnModal(about.Handle()));  // hidden
  ::EnableWindow(main.Handle(), FALSE);
  EXPECT_FALSE(CanOwnModal(main.Handle()));
  ::EnableWindow(main.Handle(), TRUE);
  ::ShowWindow(main.Handle(), SW_HIDE);
  // Nothing of the program is shown (the tool tips of the forms do not count).
  EXPECT_EQ(FindModalOwner(), nullptr);
}

}  // namespace
}  // namespace vb
