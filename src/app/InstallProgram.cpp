// Installing: the distribution's listed files into the installation folder, the
// program file, the shortcuts and the uninstall entry, and the install record
// of everything that was made.
#include <windows.h>

#include "app/InstallPaths.h"
#include "app/InstallProtection.h"
#include "app/InstallRecordFile.h"
#include "app/InstallRights.h"
#include "app/InstallSteps.h"
#include "core/errors/MessageBoxes.h"
#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/base/ProgramPaths.h"
#include "core/errors/StatusFrame.h"
#include "platform/win32/DirectoryOperations.h"
#include "platform/win32/Instance.h"
#include "platform/win32/ListedFileCopy.h"
#include "platform/win32/ReparsePoints.h"
#include "platform/win32/ShellLinks.h"
#include "platform/win32/UninstallRegistry.h"

namespace vb {

namespace {

bool LastCallSucceeded() { return GlobalFunStat.Status <= StatusWarning; }

// Listed files the installer never copies: its own list and record, and the
// options and error log that a reinstallation keeps.
bool IsNeverCopied(const std::string& relative) {
  for (const char* name : {kDistributionListName, kInstallRecordName, kOptionsFileName, kErrorLogName,
                           kRecordsFileName, kDamagedRecordsFileName, kViewSettingsFileName})
    if (SameTextAscii(relative, name)) return true;
  return false;
}

std::vector<std::string> FilesToCopy(const ParsedDistributionList& list, std::vector<std::string>& problems) {
  std::vector<std::string> files;
  for (const std::string& file : list.Files) {
    if (IsNeverCopied(file))
      problems.push_back(file + " not copied: the installer keeps that name for its own");
    else
      files.push_back(file);
  }
  return files;
}

// The programs-menu folder for the shortcuts: the installation folder's name,
// unless that names one of the system's own folders (a distribution folder
// called "StartUp" would start the game at every logon), then the program's.
std::string ChooseMenuFolderName(const std::string& programsMenu, const std::string& folderName,
                                 const std::string& programName) {
  for (const std::string& name : {folderName, programName}) {
    const std::string path = AddPathDelimiter(programsMenu) + name;
    if (!name.empty() && !IsDriveName(name) && !IsReparsePoint(path) && !IsSystemOrRootFolder(path)) return name;
  }
  return {};
}

void MakeShortcuts(const std::string& programName, const InstallPaths& paths, InstallRecord& record) {
  InstallerSystem& system = GetInstallerSystem();
  // A special folder the system cannot name is skipped rather than taken as
  // the current folder.
  const std::string desktop = system.DesktopPath();
  if (!desktop.empty()) {
    const std::string name = programName + ".lnk";
    CopyFileAsLink(paths.ProgramFile, AddPathDelimiter(desktop) + name, true, false, true, "");
    if (LastCallSucceeded()) record.DesktopLink = name;
  }
  const std::string programsMenu = system.ProgramsMenuPath();
  const std::string menuName = programsMenu.empty() ? "" : ChooseMenuFolderName(programsMenu, paths.FolderName, programName);
  if (menuName.empty()) return;
  const std::string menuFolder = AddPathDelimiter(AddPathDelimiter(programsMenu) + menuName);
  record.MenuFolder = menuName;
  record.MadeMenuFolder = GetPlatform().CreateFolder(menuFolder);
  const std::string programLink = programName + ".lnk";
  CopyFileAsLink(paths.ProgramFile, menuFolder + programLink, true, false, true, "");
  if (LastCallSucceeded()) record.AddMenuLink(programLink);
  const std::string uninstallLink = "Uninstall" + GetLinkExtension(paths.ProgramFile);
  CopyFileAsLinkWithParam(paths.ProgramFile, menuFolder + uninstallLink, "/Uninstall", true);
  if (LastCallSucceeded()) record.AddMenuLink(uninstallLink);
  const std::string readmeLink = "Readme" + GetLinkExtension(paths.ReadmeFile);
  CopyFileAsLink(paths.ReadmeFile, menuFolder + readmeLink, true, false, true, "");
  if (LastCallSucceeded()) record.AddMenuLink(readmeLink);
}

void RecordCopy(const ListedCopyOutcome& copy, InstallRecord& record) {
  record.MadeInstallationFolder = copy.MadeDestination;
  for (const std::string& folder : copy.MadeFolders) record.AddMadeFolder(folder);
  for (const std::string& file : copy.CopiedFiles) record.AddFile(file);
}

// The copied installer became the program file.
void RecordRename(const std::string& programName, InstallRecord& record) {
  for (std::string& file : record.Files)
    if (SameTextAscii(file, "Install.exe")) file = programName + ".exe";
  record.AddFile(programName + ".exe");
}

}  // namespace

void InstallProgram(const std::string& programName, const std::string& installTo) {
  StatusFrame frame(VB_HERE, "TInstallForm::Install",
                    "Failed to install program. Check to see if you have rights to write in the installation "
                    "directory.");
  frame.Run([&] {
    if (installTo.empty()) return frame.Raise(__LINE__, "Installation directory is empty.");
    const InstallPaths paths = ComputeInstallPaths(GetProgramFolder(), installTo, programName);
    std::vector<std::string> problems;
    ParsedDistributionList list;
    if (!ReadDistributionListFile(paths.Source, list, problems))
      return ShowWarningText("The list of the program's files, \"" + std::string(kDistributionListName) +
                             "\", is missing or damaged in directory \"" + paths.Source +
                             "\". Nothing was installed.");
    if (IsSystemOrRootFolder(paths.Target))
      return ShowWarningText("The directory \"" + paths.Target +
                             "\" belongs to the system or holds the files of many programs; the program will not "
                             "be installed in it. Choose another directory.");
    if (MustStopForRights(NearestExistingFolder(paths.Target),
                          "The program cannot be installed in directory \"" + paths.Target +
                              "\" without administrator rights, which were not given. Nothing was installed."))
      return (void)frame.Adopt();
    if (!AskYesNo("Install the program in directory \"" + paths.Target + "\"?")) return;

    InstallRecord earlier;
    const bool reinstall = ReadInstallRecordFile(paths.Target, earlier, problems) == RecordFile::Read;
    const ListedCopyOutcome copy = CopyListedFiles(paths.Source, paths.Target, FilesToCopy(list, problems));
    problems.insert(problems.end(), copy.Problems.begin(), copy.Problems.end());
    InstallRecord record;
    RecordCopy(copy, record);
    // The copied installer becomes the program file. When the copy failed this
    // fails too, and that ends the installation.
    MyRenameFile(AddPathDelimiter(paths.Target) + "Install.exe", paths.ProgramFile, true);
    if (LastCallSucceeded()) RecordRename(programName, record);
    const bool renamed = !frame.Adopt();
    if (renamed) {
      // Shortcuts and the uninstall entry record their own failures; none of
      // them stops the installation.
      MakeShortcuts(programName, paths, record);
      SetUninstallRegistry(programName, programName, paths.UninstallCommand);
      if (LastCallSucceeded()) record.UninstallEntry = programName;
    }
    if (reinstall) record.MergeEarlier(earlier);

    // Written only into a real folder of the installation, never through a link.
    const bool ownFolder = PathExists(paths.Target) && !IsReparsePoint(paths.Target);
    TFunStatContext recordFailure;
    if (ownFolder && !WriteInstallRecordFile(paths.Target, record)) recordFailure = GlobalFunStat;
    if (ownFolder) ReportToErrorLog(paths.Target, "Installing from " + paths.Source + ":", problems);
    if (!renamed) return;

    // The installed program checks the instance guard when it starts; the
    // installer lets go of it first, or the new program could end at once.
    CloseInstanceMutex();
    GetInstallerSystem().StartProgram(paths.ProgramFile);
    if (frame.Adopt()) return;
    // Without its record the installation could not be uninstalled.
    if (recordFailure.Status > StatusWarning)
      frame.Raise(__LINE__, recordFailure.Description, recordFailure.Parameter1, recordFailure.Parameter2,
                  recordFailure.SystemErrorCode);
  }, __LINE__);
}

}  // namespace vb
