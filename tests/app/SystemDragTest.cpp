// The real Vorbelle.exe under the X server: a real mouse drag with xdotool from
// a stock panel to a board cell, checked on a screenshot (system-drag.sh).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "support/TempFolder.h"

namespace vb {
namespace {

std::string WindowsForm(std::string unixPath) {
  for (char& c : unixPath)
    if (c == '/') c = '\\';
  return "Z:" + unixPath;
}

bool Exists(const std::string& windowsPath) { return ::GetFileAttributesA(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Hex(COLORREF colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

TEST(SystemDragTest, RealMouseDragMovesAStockLetterOntoTheBoard) {
#ifndef VB_EXE_PATH
  GTEST_SKIP() << "no program to start";
#else
  const std::string exe = VB_EXE_PATH;
  const std::string source = VB_SOURCE_DIR;
  if (!Exists("Z:\\usr\\bin\\xdotool") || !Exists("Z:\\usr\\bin\\import") || !Exists("Z:\\bin\\bash"))
    GTEST_SKIP() << "xdotool, ImageMagick or bash missing";
  // The main window's frame, to find its client area inside the X window.
  RECT frame{0, 0, 0, 0};
  ::AdjustWindowRectEx(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, FALSE,
                       WS_EX_CONTROLPARENT);
  const std::string result = exe.substr(0, exe.find_last_of('/')) + "/system-drag-result.txt";
  ::DeleteFileA(WindowsForm(result).c_str());
  std::string command = "Z:\\bin\\bash \"" + source + "/tests/app/system-drag.sh\" \"" + exe + "\" \"" + source +
                        "\" " + std::to_string(-frame.left) + " " + std::to_string(-frame.top) + " " +
                        Hex(::GetSysColor(COLOR_BTNSHADOW)) + " " + Hex(::GetSysColor(COLOR_BTNFACE)) + " \"" +
                        result + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  // A fresh prefix takes a while to prepare the first time.
  std::string verdict;
  for (int waited = 0; waited < 300 && verdict.empty(); ++waited) {
    ::Sleep(1000);
    if (Exists(WindowsForm(result))) verdict = test::ReadTextFile(WindowsForm(result));
  }
  ASSERT_FALSE(verdict.empty()) << "the system test gave no verdict";
  EXPECT_EQ(verdict.substr(0, 4), "PASS") << verdict;
#endif
}

}  // namespace
}  // namespace vb
