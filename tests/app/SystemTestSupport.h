#pragma once
// Shared by the system tests, which start the real Vorbelle.exe from a bash
// script (tests/app/system-*.sh) that drives it with xdotool under the X server
// and writes a verdict, "PASS" or "FAIL: reason", to a result file.
#include <string>
#include <vector>

namespace vb::test {

// A Unix path as the Windows side sees it (drive Z: under wine).
std::string WindowsForm(std::string unixPath);
bool Exists(const std::string& windowsPath);

// The program under test and its folder, in Unix form; empty when this build has none.
std::string ProgramPath();
std::string ProgramFolder();

// Runs `bash tests/app/SCRIPT EXE SOURCE_DIR FRAME_LEFT FRAME_TOP ARGUMENTS... RESULT_FILE`,
// where FRAME_LEFT and FRAME_TOP place the main window's client area inside its
// X window and RESULT_FILE is "<script name>-result.txt" in the program's folder.
// Waits up to `seconds` (a fresh wine prefix takes a while to prepare) and
// returns the verdict, or "" when none came.
std::string RunSystemScript(const std::string& script, const std::vector<std::string>& arguments, int seconds);

}  // namespace vb::test
