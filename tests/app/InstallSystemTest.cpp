// The installer end to end: a copy of the distribution folder, its Install.exe
// started as a person would, Install pressed and the question answered Yes;
// then the installed program, and its uninstallation with "/Uninstall". Runs in
// the test's private wine prefix (or a throw-away Windows account).
#include <windows.h>
#include <shlobj.h>
#include <knownfolders.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/InstallerFixture.h"
#include "app/SystemTestSupport.h"
#include "core/store/InstallRecord.h"
#include "core/base/Paths.h"
#include "platform/LinkReading.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ShellLinks.h"
#include "platform/win32/UninstallRegistry.h"
#include "support/FolderLink.h"
#include "support/TempFolder.h"

#ifdef VB_DIST_FOLDER

namespace vb {
namespace {

namespace fs = std::filesystem;

// The distribution folder as the test program sees it (under wine the build
// tree is reached through drive Z:).
std::string DistFolder() {
  std::string folder = VB_DIST_FOLDER;
  if (!folder.empty() && folder[0] == '/') folder = "Z:" + folder;
  for (char& c : folder)
    if (c == '/') c = '\\';
  return folder;
}

std::string SpecialFolder(int id) {
  char path[MAX_PATH] = "";
  ::SHGetFolderPathA(nullptr, id | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  return AddPathDelimiter(path);
}

// The text of a window of another process (asked of the window itself, as
// GetWindowText does not for another process's controls).
std::string TextOf(HWND hwnd) {
  char text[1024] = "";
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                             &length))
    return "";
  return std::string(text, length);
}

std::string ClassOf(HWND hwnd) {
  char name[256] = "";
  ::GetClassNameA(hwnd, name, sizeof name);
  return name;
}

using WindowTest = std::function<bool(HWND)>;

// Visits windows until the visitor returns false.
BOOL CALLBACK VisitWindow(HWND hwnd, LPARAM visitor) {
  return (*reinterpret_cast<WindowTest*>(visitor))(hwnd) ? TRUE : FALSE;
}
void ForEachTopWindow(WindowTest visitor) { ::EnumWindows(&VisitWindow, reinterpret_cast<LPARAM>(&visitor)); }
void ForEachChild(HWND parent, WindowTest visitor) {
  ::EnumChildWindows(parent, &VisitWindow, reinterpret_cast<LPARAM>(&visitor));
}

HWND FindTopWindow(DWORD processId, const WindowTest& test) {
  HWND found = nullptr;
  ForEachTopWindow([&](HWND hwnd) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner == processId && ::IsWindowVisible(hwnd) && test(hwnd)) found = hwnd;
    return found == nullptr;
  });
  return found;
}

HWND WaitForTopWindow(DWORD processId, const WindowTest& test, int milliseconds = 20000) {
  for (int waited = 0; waited < milliseconds; waited += 50) {
    if (HWND hwnd = FindTopWindow(processId, test)) return hwnd;
    ::Sleep(50);
  }
  return nullptr;
}

HWND FindChild(HWND parent, const std::string& windowClass, const std::string& text) {
  HWND found = nullptr;
  ForEachChild(parent, [&](HWND hwnd) {
    if (_stricmp(ClassOf(hwnd).c_str(), windowClass.c_str()) == 0 && TextOf(hwnd) == text) found = hwnd;
    return found == nullptr;
  });
  return found;
}

// All texts of a message box's labels, joined.
std::string BoxText(HWND box) {
  std::string text;
  ForEachChild(box, [&](HWND hwnd) {
    if (_stricmp(ClassOf(hwnd).c_str(), "Static") == 0) text += TextOf(hwnd);
    return true;
  });
  return text;
}

// Presses a button as a click would: its parent gets the click notification.
void Press(HWND button) {
  ::PostMessageA(::GetParent(button), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// Waits for a message box with this caption and answers it.
std::string AnswerBox(DWORD processId, const std::string& caption, int answer) {
  HWND box = WaitForTopWindow(processId, [&](HWND hwnd) { return ClassOf(hwnd) == "#32770" && TextOf(hwnd) == caption; });
  if (!box) return "<no box \"" + caption + "\">";
  const std::string text = BoxText(box);
  ::PostMessageA(box, WM_COMMAND, answer, 0);
  return text;
}

struct Process {
  KernelHandle Handle;
  DWORD Id = 0;
};

Process Start(const std::string& exe, const std::string& arguments, const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info))
    return {};
  ::CloseHandle(info.hThread);
  return {KernelHandle(info.hProcess), info.dwProcessId};
}

bool WaitForExit(const Process& process, DWORD milliseconds = 30000) {
  return ::WaitForSingleObject(process.Handle.get(), milliseconds) == WAIT_OBJECT_0;
}

std::string ImageOf(DWORD processId) {
  KernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  char path[MAX_PATH * 2] = "";
  DWORD size = sizeof path;
  if (!process || !::QueryFullProcessImageNameA(process.get(), 0, path, &size)) return "";
  return path;
}

// A visible window captioned "Vorbelle..." of a process started from `image`.
HWND FindWindowOfImage(const std::string& image) {
  HWND found = nullptr;
  ForEachTopWindow([&](HWND hwnd) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (::IsWindowVisible(hwnd) && TextOf(hwnd).rfind("Vorbelle", 0) == 0 && SameTextAscii(ImageOf(owner), image))
      found = hwnd;
    return found == nullptr;
  });
  return found;
}

// The program allows one copy at a time; other tests may be running one.
bool WaitUntilNoCopyRuns() {
  for (int waited = 0; waited < 60000; waited += 100) {
    KernelHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, "Mutex_ProgramInstance_Vorbelle"));
    if (!mutex) return true;
    ::Sleep(100);
  }
  return false;
}

std::string RegistryValue(const char* name) { return test::UninstallEntryValue("Vorbelle", name); }

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SamePath(const std::string& a, const std::string& b) { return SameTextAscii(a, b); }

std::string KnownFolder(const KNOWNFOLDERID& id) {
  PWSTR wide = nullptr;
  std::string path;
  if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &wide))) {
    char text[MAX_PATH * 2] = "";
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    path = AddPathDelimiter(text);
  }
  ::CoTaskMemFree(wide);
  return path;
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool IsReadOnly(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

const std::string kUninstalled = "Uninstallation successful. Some files that were in use were not deleted.";

class InstallSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTarget("Vorbelle");
    desktopLink = SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "Vorbelle.lnk";
    menuFolder = SpecialFolder(CSIDL_PROGRAMS) + "Vorbelle\\";
    RemoveInstallation();
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    copyParent = std::string(temp) + "vb_dist_" + std::to_string(::GetCurrentProcessId()) + "\\";
    dist = copyParent + "Vorbelle\\";
    std::error_code error;
    fs::create_directories(copyParent, error);
    fs::copy(DistFolder(), dist, fs::copy_options::recursive, error);
    ASSERT_FALSE(error) << "cannot copy " << DistFolder() << ": " << error.message();
  }

  void TearDown() override {
    RemoveInstallation();
    std::error_code ignored;
    // Read-only files left by a test must not stop the clean-up.
    for (auto& entry : fs::recursive_directory_iterator(copyParent, ignored))
      ::SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(copyParent, ignored);
  }

  // The installation folder for a distribution folder of this name.
  void SetTarget(const std::string& folderName) {
    target = SpecialFolder(CSIDL_PROGRAM_FILES) + folderName + "\\";
    programFile = target + "Vorbelle.exe";
  }

  // Leaves nothing of an installation in this prefix.
  void RemoveInstallation() {
    std::error_code ignored;
    fs::remove_all(target, ignored);
    fs::remove(desktopLink, ignored);
    fs::remove_all(menuFolder, ignored);
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(kUninstallKeyPath) + "Vorbelle").c_str());
  }

  // Starts `folder`\Install.exe as a person would, presses Install and says Yes.
  void InstallFrom(const std::string& folder) {
    ASSERT_TRUE(WaitUntilNoCopyRuns());
    Process installer = Start(folder + "Install.exe", "", folder);
    ASSERT_TRUE(installer.Handle) << "cannot start " << folder << "Install.exe";
    HWND window = WaitForTopWindow(installer.Id, [](HWND hwnd) {
      const std::string caption = TextOf(hwnd);
      return caption == "Install Vorbelle" || caption.rfind("Vorbelle", 0) == 0;
    });
    ASSERT_NE(window, nullptr) << "Install.exe showed no window";
    if (TextOf(window) != "Install Vorbelle") {
      ::PostMessageA(window, WM_CLOSE, 0, 0);
      WaitForExit(installer, 10000);
      FAIL() << "Install.exe opened the game instead of the installer window";
    }
    // The installer proposes the program-files folder; press Install and say Yes.
    HWND folderEdit = FindChild(window, "Edit", SpecialFolder(CSIDL_PROGRAM_FILES));
    EXPECT_NE(folderEdit, nullptr) << "the folder field shows the program-files folder";
    HWND installButton = FindChild(window, "Button", "&Install");
    ASSERT_NE(installButton, nullptr);
    Press(installButton);
    const std::string question = AnswerBox(installer.Id, "Query", IDYES);
    EXPECT_EQ(question, "Install the program in directory \"" + target.substr(0, target.size() - 1) + "\"?");
    ASSERT_TRUE(WaitForExit(installer)) << "the installer did not close";
  }

  // The installed program was started: finds its window and closes it.
  void CloseTheStartedProgram() {
    HWND game = nullptr;
    for (int waited = 0; !game && waited < 20000; waited += 100) {
      game = FindWindowOfImage(programFile);
      if (!game) ::Sleep(100);
    }
    ASSERT_NE(game, nullptr) << "the installed program did not start";
    DWORD gameId = 0;
    ::GetWindowThreadProcessId(game, &gameId);
    Process running{KernelHandle(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, gameId)), gameId};
    ::PostMessageA(game, WM_CLOSE, 0, 0);
    if (!WaitForExit(running, 15000)) ::TerminateProcess(running.Handle.get(), 1);
  }

  // Starts `program` with "/UNINSTALL" (the argument in another letter case),
  // presses Uninstall and says Yes; returns the final message.
  std::string UninstallWith(const std::string& program) {
    const std::string folder = program.substr(0, program.find_last_of('\\') + 1);
    if (!WaitUntilNoCopyRuns()) return "<another copy runs>";
    Process uninstaller = Start(program, "/UNINSTALL", folder);
    if (!uninstaller.Handle) return "<cannot start " + program + ">";
    HWND window = WaitForTopWindow(uninstaller.Id, [](HWND hwnd) { return TextOf(hwnd) == "Uninstall Vorbelle"; });
    if (!window) return "<no uninstall window>";
    EXPECT_NE(FindChild(window, "Edit", folder), nullptr) << "the folder field shows the installation folder";
    HWND uninstallButton = FindChild(window, "Button", "Un&install");
    if (!uninstallButton) return "<no uninstall button>";
    Press(uninstallButton);
    EXPECT_EQ(AnswerBox(uninstaller.Id, "Query", IDYES), "Delete directory \"" + folder + "\" (and all contained files)?");
    const std::string message = AnswerBox(uninstaller.Id, "Message", IDOK);
    EXPECT_TRUE(WaitForExit(uninstaller)) << "the uninstaller did not close";
    return message;
  }

  test::ComScope com;
  std::string target, programFile, desktopLink, menuFolder, copyParent, dist;
};

TEST_F(InstallSystemTest, InstallFromTheDistributionFolderThenUninstall) {
  InstallFrom(dist);
  if (HasFatalFailure()) return;

  // The installation.
  EXPECT_TRUE(Exists(programFile));
  EXPECT_FALSE(Exists(target + "Install.exe"));
  EXPECT_TRUE(Exists(target + "Readme.txt"));
  EXPECT_TRUE(Exists(target + "License.txt"));
  EXPECT_TRUE(Exists(target + "Support.txt"));
  EXPECT_TRUE(Exists(target + "Help.hlp"));
  EXPECT_TRUE(Exists(target + "VorbelleDictionaries\\English.vbd"));
  EXPECT_TRUE(Exists(target + "VorbelleDictionaries\\English-copyright.txt"));
  test::LinkContents link = test::ReadLink(desktopLink);
  EXPECT_TRUE(SamePath(link.Target, programFile)) << link.Target;
  EXPECT_TRUE(SamePath(AddPathDelimiter(link.WorkingDirectory), target)) << link.WorkingDirectory;
  link = test::ReadLink(menuFolder + "Vorbelle.lnk");
  EXPECT_TRUE(SamePath(link.Target, programFile)) << link.Target;
  EXPECT_EQ(link.Arguments, "");
  link = test::ReadLink(menuFolder + "Uninstall.lnk");
  EXPECT_TRUE(SamePath(link.Target, programFile)) << link.Target;
  EXPECT_EQ(link.Arguments, "/Uninstall");
  link = test::ReadLink(menuFolder + "Readme.lnk");
  EXPECT_TRUE(SamePath(link.Target, target + "Readme.txt")) << link.Target;
  EXPECT_EQ(RegistryValue("DisplayName"), "Vorbelle");
  EXPECT_EQ(RegistryValue("UninstallString"), "\"" + programFile + "\" /Uninstall");

  CloseTheStartedProgram();
  if (HasFatalFailure()) return;
  EXPECT_EQ(UninstallWith(programFile), kUninstalled);

  // Only the program file that ran the uninstallation may be left.
  const std::vector<std::string> left = NamesIn(target);
  EXPECT_TRUE(left.empty() || (left.size() == 1 && SameTextAscii(left[0], "Vorbelle.exe")))
      << left.size() << " entries left, first: " << (left.empty() ? "" : left[0]);
  EXPECT_FALSE(Exists(desktopLink));
  EXPECT_FALSE(Exists(menuFolder));
  EXPECT_EQ(RegistryValue("DisplayName"), "<no entry>");
}

TEST_F(InstallSystemTest, OnlyTheProgramsFilesAreInstalledAndUninstallLeavesTheUsersOwn) {
  // Beside Install.exe in a Downloads folder: the user's private files; the
  // read-me comes from a read-only medium.
  test::WriteTextFile(dist + "Bank statement.txt", "private");
  fs::create_directories(dist + "Photos");
  test::WriteTextFile(dist + "Photos\\me.jpg", "private");
  ::SetFileAttributesA((dist + "Readme.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  InstallFrom(dist);
  if (HasFatalFailure()) return;
  EXPECT_FALSE(Exists(target + "Bank statement.txt"));
  EXPECT_FALSE(Exists(target + "Photos"));
  EXPECT_TRUE(Exists(target + "Readme.txt"));
  EXPECT_FALSE(IsReadOnly(target + "Readme.txt")) << "the installed files can be saved over";
  CloseTheStartedProgram();
  if (HasFatalFailure()) return;

  // The user keeps a note in the installation folder, and links a folder of
  // saves from elsewhere into it.
  test::WriteTextFile(target + "note.txt", "my note");
  const std::string elsewhere = copyParent + "Saves";
  fs::create_directories(elsewhere);
  test::WriteTextFile(elsewhere + "\\game.vbg", "a saved game kept elsewhere");
  test::ScopedFolderLink saves(target + "MySaves", elsewhere);
  EXPECT_TRUE(saves.Made()) << "a folder link could not be made";

  const std::string message = UninstallWith(programFile);
  EXPECT_EQ(message, kUninstalled + "\r\nThe directory \"" + target +
                         "\" was kept: it holds files that were not installed with the program.");
  EXPECT_EQ(test::ReadTextFile(target + "note.txt"), "my note");
  EXPECT_EQ(test::ReadTextFile(elsewhere + "\\game.vbg"), "a saved game kept elsewhere");
  EXPECT_FALSE(Exists(target + "Readme.txt"));
  EXPECT_FALSE(Exists(target + kInstallRecordName));
  EXPECT_FALSE(Exists(desktopLink));
  EXPECT_FALSE(Exists(menuFolder));
  EXPECT_EQ(RegistryValue("DisplayName"), "<no entry>");
}

TEST_F(InstallSystemTest, AStartUpNamedDistributionLeavesTheStartupFolderAlone) {
  const std::string startupDist = copyParent + "StartUp\\";
  std::error_code error;
  fs::rename(dist, startupDist, error);
  ASSERT_FALSE(error) << error.message();
  SetTarget("StartUp");
  const std::string startup = SpecialFolder(CSIDL_STARTUP);
  const std::string otherLink = startup + "Other program.lnk";
  CopyFileAsLink("C:\\windows\\notepad.exe", otherLink, true, false, true, "");
  const std::vector<std::string> before = NamesIn(startup);
  ASSERT_TRUE(Exists(otherLink));

  InstallFrom(startupDist);
  if (HasFatalFailure()) return;
  EXPECT_EQ(NamesIn(startup), before) << "no link of the program starts it at every logon";
  EXPECT_TRUE(Exists(menuFolder + "Vorbelle.lnk")) << "the links go to a menu folder of the program's name";
  CloseTheStartedProgram();
  if (HasFatalFailure()) return;
  EXPECT_EQ(UninstallWith(programFile), kUninstalled);
  EXPECT_EQ(NamesIn(startup), before);
  EXPECT_TRUE(Exists(otherLink));
  EXPECT_FALSE(Exists(menuFolder));
  fs::remove(otherLink, error);
}

// A copy of the program put into a folder of the system or the user, and one
// that no installer made, started to uninstall: nothing there is deleted.
TEST_F(InstallSystemTest, StrayCopiesDeleteNothing) {
  const std::string program = test::WindowsForm(test::ProgramPath());
  for (const std::string& folder : {SpecialFolder(CSIDL_APPDATA), KnownFolder(FOLDERID_Downloads)}) {
    ASSERT_FALSE(folder.empty());
    const std::string stray = folder + "Vorbelle.exe", marker = folder + "vb_marker.txt";
    ASSERT_TRUE(::CopyFileA(program.c_str(), stray.c_str(), FALSE)) << stray;
    test::WriteTextFile(marker, "the user's");
    const std::vector<std::string> before = NamesIn(folder);

    ASSERT_TRUE(WaitUntilNoCopyRuns());
    Process uninstaller = Start(stray, "/Uninstall", folder);
    ASSERT_TRUE(uninstaller.Handle);
    HWND window = WaitForTopWindow(uninstaller.Id, [](HWND hwnd) { return TextOf(hwnd) == "Uninstall Vorbelle"; });
    ASSERT_NE(window, nullptr) << folder << ": no uninstall window";
    Press(FindChild(window, "Button", "Un&install"));
    // The error dialog says why; closing it ends the uninstaller.
    HWND error = WaitForTopWindow(uninstaller.Id, [&](HWND hwnd) { return hwnd != window && TextOf(hwnd) != ""; });
    ASSERT_NE(error, nullptr) << folder << ": no error dialog";
    std::string report;
    ForEachChild(error, [&](HWND hwnd) {
      if (_stricmp(ClassOf(hwnd).c_str(), "Edit") == 0) report += TextOf(hwnd);
      return true;
    });
    EXPECT_NE(report.find("This directory holds more than the program and will not be deleted."), std::string::npos)
        << report;
    ::PostMessageA(error, WM_CLOSE, 0, 0);
    if (!WaitForExit(uninstaller, 20000)) ::TerminateProcess(uninstaller.Handle.get(), 1);
    EXPECT_EQ(NamesIn(folder), before) << folder;
    EXPECT_EQ(test::ReadTextFile(marker), "the user's");
    ::DeleteFileA(stray.c_str());
    ::DeleteFileA(marker.c_str());
  }

  // An ordinary folder with a copy the installer did not make.
  const std::string folder = copyParent + "Copied\\";
  fs::create_directories(folder);
  ASSERT_TRUE(::CopyFileA(program.c_str(), (folder + "Vorbelle.exe").c_str(), FALSE));
  test::WriteTextFile(folder + "Vorbelle.ini", "options");
  test::WriteTextFile(folder + "thesis.doc", "a year of work");
  ASSERT_TRUE(WaitUntilNoCopyRuns());
  Process uninstaller = Start(folder + "Vorbelle.exe", "/Uninstall", folder);
  ASSERT_TRUE(uninstaller.Handle);
  HWND window = WaitForTopWindow(uninstaller.Id, [](HWND hwnd) { return TextOf(hwnd) == "Uninstall Vorbelle"; });
  ASSERT_NE(window, nullptr);
  Press(FindChild(window, "Button", "Un&install"));
  EXPECT_EQ(AnswerBox(uninstaller.Id, "Warning", IDOK),
            "There is no usable install record (\"Uninstall.lst\") in directory \"" + folder +
                "\": this copy of the program was not made by its installer. Nothing was deleted.");
  EXPECT_TRUE(WaitForExit(uninstaller));
  EXPECT_EQ(NamesIn(folder), (std::vector<std::string>{"Vorbelle.exe", "Vorbelle.ini", "thesis.doc"}));
}

}  // namespace
}  // namespace vb

#endif  // VB_DIST_FOLDER
