#include "app/InstallSteps.h"

#include "app/InstallMode.h"
#include "app/InstallProtection.h"
#include "app/InstallRecordFile.h"
#include "app/InstallRights.h"
#include "app/UninstallCleanup.h"
#include "core/errors/MessageBoxes.h"
#include "core/base/Paths.h"
#include "core/base/ProgramPaths.h"
#include "core/errors/StatusFrame.h"
#include "platform/win32/KnownFolders.h"
#include "platform/win32/RunFile.h"
#include "platform/win32/UninstallRegistry.h"

namespace vb {

std::string InstallerSystem::DesktopPath() { return GetDesktopPath(); }
std::string InstallerSystem::ProgramsMenuPath() { return GetProgramsMenuPath(); }
std::string InstallerSystem::ProgramFilesPath() { return GetProgramFilesPath(); }

std::vector<std::string> InstallerSystem::ProtectedFolders() {
  std::vector<std::string> folders = GetKnownShellFolders();
  for (const std::string& folder : {DesktopPath(), ProgramsMenuPath(), ProgramFilesPath()}) folders.push_back(folder);
  return folders;
}

void InstallerSystem::StartProgram(const std::string& programFile) { RunFile(programFile, "", "", true, false); }

bool InstallerSystem::IsElevated() { return IsProcessElevated(); }
bool InstallerSystem::CanWriteFolder(const std::string& folder) { return CanAddToFolder(folder); }
bool InstallerSystem::CanWriteUninstallEntries() { return vb::CanWriteUninstallEntries(); }
ElevatedStart InstallerSystem::RestartElevated(std::uint32_t& error) { return StartElevated(OwnArguments(), error); }

namespace {
InstallerSystem realSystem;
InstallerSystem* currentSystem = &realSystem;
}  // namespace

InstallerSystem& GetInstallerSystem() { return *currentSystem; }
void SetInstallerSystem(InstallerSystem* system) { currentSystem = system ? system : &realSystem; }

void UninstallProgram(const std::string& programName, const std::string& directory) {
  StatusFrame frame(VB_HERE, "TInstallForm::Uninstall", "Failed to uninstall program.");
  frame.Run([&] {
    if (directory.empty()) return frame.Raise(__LINE__, "Uninstallation directory is empty.");
    if (IsProtectedFolder(directory))
      return frame.Raise(__LINE__, "This directory holds more than the program and will not be deleted.", directory);
    if (MustStopForRights(directory, "The program cannot be uninstalled from directory \"" + directory +
                                         "\" without administrator rights, which were not given. Nothing was "
                                         "deleted."))
      return (void)frame.Adopt();

    InstallationToRemove installation;
    installation.Folder = directory;
    installation.ProgramFile = GetProgramPath();
    std::vector<std::string> problems;
    const RecordFile read = ReadInstallRecordFile(directory, installation.Record, problems);
    // The reports stay with the folder they are about.
    installation.KeepErrorLog = ReportToErrorLog(directory, "Uninstalling:", problems);
    if (read != RecordFile::Read)
      return ShowWarningText("There is no usable install record (\"" + std::string(kInstallRecordName) +
                             "\") in directory \"" + directory +
                             "\": this copy of the program was not made by its installer. Nothing was deleted.");
    // Only this program's own entry is ever looked at.
    if (!SameTextAscii(installation.Record.UninstallEntry, programName)) installation.Record.UninstallEntry.clear();
    if (!AskYesNo("Delete directory \"" + directory + "\" (and all contained files)?")) return;

    std::string message = "Uninstallation successful. Some files that were in use were not deleted.";
    for (const std::string& line : RemoveInstallation(installation)) message += "\r\n" + line;
    ShowMessageText(message);
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
