#include "app/SystemTestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "support/TempFolder.h"

namespace vb::test {

std::string WindowsForm(std::string unixPath) {
  for (char& c : unixPath)
    if (c == '/') c = '\\';
  return "Z:" + unixPath;
}

bool Exists(const std::string& windowsPath) { return ::GetFileAttributesA(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ProgramPath() {
#ifdef VB_EXE_PATH
  return VB_EXE_PATH;
#else
  return "";
#endif
}

std::string ProgramFolder() {
  const std::string exe = ProgramPath();
  return exe.substr(0, exe.find_last_of('/'));
}

std::string RunSystemScript(const std::string& script, const std::vector<std::string>& arguments, int seconds) {
  const std::string source = VB_SOURCE_DIR;
  // The main window's frame, to find its client area inside the X window.
  RECT frame{0, 0, 0, 0};
  ::AdjustWindowRectEx(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, FALSE,
                       WS_EX_CONTROLPARENT);
  const std::string result = ProgramFolder() + "/" + script.substr(0, script.rfind('.')) + "-result.txt";
  ::DeleteFileA(WindowsForm(result).c_str());
  std::string command = "Z:\\bin\\bash \"" + source + "/tests/app/" + script + "\" \"" + ProgramPath() + "\" \"" +
                        source + "\" " + std::to_string(-frame.left) + " " + std::to_string(-frame.top);
  for (const std::string& argument : arguments) command += " \"" + argument + "\"";
  command += " \"" + result + "\"";

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    ADD_FAILURE() << "cannot start " << command;
    return "";
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  std::string verdict;
  for (int waited = 0; waited < seconds && verdict.empty(); ++waited) {
    ::Sleep(1000);
    if (Exists(WindowsForm(result))) verdict = ReadTextFile(WindowsForm(result));
  }
  return verdict;
}

}  // namespace vb::test
