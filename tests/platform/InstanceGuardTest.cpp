// The single-instance guard with real processes: a second Vorbelle.exe ends at
// once with code 0 and shows nothing; after the first ends, a new one starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Handles.h"
#include "support/TempFolder.h"

namespace vb {
namespace {

struct Started {
  KernelHandle Process;
  DWORD Id = 0;
};

Started Start(const std::string& exe) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string commandLine = "\"" + exe + "\"";
  if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return {};
  ::CloseHandle(info.hThread);
  return {KernelHandle(info.hProcess), info.dwProcessId};
}

struct WindowSearch {
  DWORD ProcessId;
  HWND Found;
};

BOOL CALLBACK MatchMainWindow(HWND hwnd, LPARAM data) {
  auto* s = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hwnd, &owner);
  char caption[64] = "";
  ::GetWindowTextA(hwnd, caption, sizeof caption);
  if (owner == s->ProcessId && ::IsWindowVisible(hwnd) && std::string(caption).rfind("Vorbelle", 0) == 0) {
    s->Found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// The visible top-level window captioned "Vorbelle" of a process, if any.
HWND MainWindowOf(DWORD processId) {
  WindowSearch search{processId, nullptr};
  ::EnumWindows(&MatchMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND WaitForMainWindow(DWORD processId) {
  for (int i = 0; i < 200; ++i) {
    if (HWND hwnd = MainWindowOf(processId)) return hwnd;
    ::Sleep(50);
  }
  return nullptr;
}

DWORD WaitForExit(HANDLE process, DWORD milliseconds) {
  if (::WaitForSingleObject(process, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process, &code);
  return code;
}

}  // namespace

TEST(InstanceGuard, SecondCopyEndsSilentlyAndANewOneStartsAfterTheFirst) {
  // A copy in a folder of its own, so its options file lands there.
  test::TempFolder folder;
  const std::string exe = folder / "Vorbelle.exe";
  ASSERT_TRUE(::CopyFileA(VB_EXE_PATH, exe.c_str(), FALSE));
  Started first = Start(exe);
  ASSERT_TRUE(first.Process);
  HWND firstWindow = WaitForMainWindow(first.Id);
  ASSERT_NE(firstWindow, nullptr) << "the first copy showed no window";

  Started second = Start(exe);
  ASSERT_TRUE(second.Process);
  EXPECT_EQ(WaitForExit(second.Process.get(), 10000), 0u);
  EXPECT_EQ(MainWindowOf(second.Id), nullptr);
  EXPECT_TRUE(::IsWindow(firstWindow)) << "the running copy was disturbed";

  ::PostMessageA(firstWindow, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(first.Process.get(), 10000), 0u);

  Started third = Start(exe);
  ASSERT_TRUE(third.Process);
  HWND thirdWindow = WaitForMainWindow(third.Id);
  EXPECT_NE(thirdWindow, nullptr) << "a new copy did not start after the first ended";
  if (thirdWindow) ::PostMessageA(thirdWindow, WM_CLOSE, 0, 0);
  if (WaitForExit(third.Process.get(), 10000) == STILL_ACTIVE) ::TerminateProcess(third.Process.get(), 1);
}

}  // namespace vb
