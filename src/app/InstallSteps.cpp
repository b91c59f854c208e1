#include "app/InstallSteps.h"

#include <windows.h>
#include <shlobj.h>

#include "app/InstallMode.h"
#include "app/InstallPaths.h"
#include "core/errors/MessageBoxes.h"
#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/base/ProgramPaths.h"
#include "core/errors/StatusFrame.h"
#include "platform/win32/DirectoryOperations.h"
#include "platform/win32/FileTests.h"
#include "platform/win32/Instance.h"
#include "platform/win32/RunFile.h"
#include "platform/win32/ShellLinks.h"
#include "platform/win32/KnownFolders.h"
#include "platform/win32/UninstallRegistry.h"

namespace vb {

std::string InstallerSystem::DesktopPath() { return GetDesktopPath(); }
std::string InstallerSystem::ProgramsMenuPath() { return GetProgramsMenuPath(); }
std::string InstallerSystem::ProgramFilesPath() { return GetProgramFilesPath(); }

std::vector<std::string> InstallerSystem::ProtectedFolders() {
  std::vector<std::string> folders{DesktopPath(), ProgramsMenuPath(), ProgramFilesPath()};
  for (int id : {CSIDL_WINDOWS, CSIDL_SYSTEM, CSIDL_PROFILE, CSIDL_PERSONAL, CSIDL_APPDATA,
                 CSIDL_COMMON_PROGRAMS, CSIDL_STARTMENU, CSIDL_PROGRAM_FILES_COMMON}) {
    // Only asked, never created: a folder that does not exist protects nothing.
    char path[MAX_PATH] = "";
    if (SUCCEEDED(::SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path))) folders.push_back(path);
  }
  return folders;
}

void InstallerSystem::StartProgram(const std::string& programFile) { RunFile(programFile, "", "", true, false); }

namespace {
InstallerSystem realSystem;
InstallerSystem* currentSystem = &realSystem;

// A folder from which the uninstaller would delete far more than one program.
bool IsProtectedFolder(const std::string& directory) {
  const std::string name = LastFolderName(AddPathDelimiter(directory));
  if (name.empty() || IsDriveName(name)) return true;
  for (const std::string& folder : GetInstallerSystem().ProtectedFolders())
    if (!folder.empty() && IsSameFile(AddPathDelimiter(directory), AddPathDelimiter(folder))) return true;
  return false;
}
}  // namespace

InstallerSystem& GetInstallerSystem() { return *currentSystem; }
void SetInstallerSystem(InstallerSystem* system) { currentSystem = system ? system : &realSystem; }

void InstallProgram(const std::string& programName, const std::string& installTo) {
  StatusFrame frame(VB_HERE, "TInstallForm::Install",
                    "Failed to install program. Check to see if you have rights to write in the installation "
                    "directory.");
  frame.Run([&] {
    if (installTo.empty()) return frame.Raise(__LINE__, "Installation directory is empty.");
    const InstallPaths paths = ComputeInstallPaths(GetProgramFolder(), installTo, programName);
    if (!AskYesNo("Install the program in directory \"" + paths.Target + "\"?")) return;

    CopyDeleteDirectory(paths.Source, paths.Target, true);
    // The copied installer becomes the program file. When the copy failed this
    // fails too, and that ends the installation.
    MyRenameFile(AddPathDelimiter(paths.Target) + "Install.exe", paths.ProgramFile, true);
    if (frame.Adopt()) return;

    // Shortcuts and the uninstall entry record their own failures; none of them
    // stops the installation. A special folder the system cannot name is skipped
    // rather than taken as the current folder.
    InstallerSystem& system = GetInstallerSystem();
    const std::string desktop = system.DesktopPath();
    if (!desktop.empty())
      CopyFileAsLink(paths.ProgramFile, AddPathDelimiter(desktop) + programName + ".lnk", true, false, true, "");
    const std::string programsMenu = system.ProgramsMenuPath();
    if (!programsMenu.empty()) {
      const std::string menuFolder = AddPathDelimiter(AddPathDelimiter(programsMenu) + paths.FolderName);
      GetPlatform().CreateFolder(menuFolder);
      CopyFileAsLink(paths.ProgramFile, menuFolder + programName + ".lnk", true, false, true, "");
      CopyFileAsLinkWithParam(paths.ProgramFile, menuFolder + "Uninstall" + GetLinkExtension(paths.ProgramFile),
                              "/Uninstall", true);
      CopyFileAsLink(paths.ReadmeFile, menuFolder + "Readme" + GetLinkExtension(paths.ReadmeFile), true, false, true,
                     "");
    }
    SetUninstallRegistry(programName, programName, paths.UninstallCommand);

    // The installed program checks the instance guard when it starts; the
    // installer lets go of it first, or the new program could end at once.
    CloseInstanceMutex();
    system.StartProgram(paths.ProgramFile);
    frame.Adopt();
  }, __LINE__);
}

void UninstallProgram(const std::string& programName, const std::string& directory) {
  StatusFrame frame(VB_HERE, "TInstallForm::Uninstall", "Failed to uninstall program.");
  frame.Run([&] {
    if (directory.empty()) return frame.Raise(__LINE__, "Uninstallation directory is empty.");
    if (IsProtectedFolder(directory))
      return frame.Raise(__LINE__, "This directory holds more than the program and will not be deleted.", directory);
    const std::string programPath = GetProgramPath();
    if (!AskYesNo("Delete directory \"" + directory + "\" (and all contained files)?")) return;

    DeleteDirectoryNoErrors(directory);
    InstallerSystem& system = GetInstallerSystem();
    const std::string desktop = system.DesktopPath();
    if (!desktop.empty()) GetPlatform().RemoveFile(AddPathDelimiter(desktop) + programName + ".lnk");
    const std::string programsMenu = system.ProgramsMenuPath();
    const std::string menuFolderName = LastFolderName(GetPathPart(programPath));
    // Without both names this would be the whole programs menu, or a folder
    // relative to wherever the program was started.
    if (!programsMenu.empty() && !menuFolderName.empty() && !IsDriveName(menuFolderName))
      DeleteDirectoryNoErrors(AddPathDelimiter(programsMenu) + menuFolderName);
    DeleteUninstallerRegistry(programName);
    ShowMessageText("Uninstallation successful. Some files that were in use were not deleted.");
  }, __LINE__);
}

void ExecuteInstaller(const std::string& programName, const std::string& folder) {
  if (folder.empty()) return ShowWarningText("(Un)Installation directory is empty.");
  if (IsUninstallRequest())
    UninstallProgram(programName, folder);
  else
    InstallProgram(programName, folder);
}

}  // namespace vb
