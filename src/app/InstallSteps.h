#pragma once
// What the installer does: copy the distribution's listed files, make the
// program file, shortcuts and uninstall entry, record all of it, start the
// program; and undo exactly what was recorded.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/Elevation.h"

namespace vb {

// The system places the installer writes to, the rights it has, and the start
// of the installed program. Tests replace it to work in folders of their own.
class InstallerSystem {
 public:
  virtual ~InstallerSystem() = default;
  // Special folders, ending with a delimiter, or empty when unknown.
  virtual std::string DesktopPath();
  virtual std::string ProgramsMenuPath();
  virtual std::string ProgramFilesPath();
  // Folders never installed into or emptied, besides volume roots.
  virtual std::vector<std::string> ProtectedFolders();
  // Starts the installed program; a failure is left in GlobalFunStat.
  virtual void StartProgram(const std::string& programFile);

  // Rights: whether this run has administrator rights, may add to a folder and
  // may write the machine's uninstall entries; and its restart with the rights.
  virtual bool IsElevated();
  virtual bool CanWriteFolder(const std::string& folder);
  virtual bool CanWriteUninstallEntries();
  virtual ElevatedStart RestartElevated(std::uint32_t& error);
};

InstallerSystem& GetInstallerSystem();
// Replaces the system (tests); nullptr restores the real one. Not owned.
void SetInstallerSystem(InstallerSystem* system);

// Installs the running distribution folder into `installTo` (the parent folder).
// Shows its own questions and failures.
void InstallProgram(const std::string& programName, const std::string& installTo);
// Removes the installation in `directory` with its shortcuts and uninstall entry.
void UninstallProgram(const std::string& programName, const std::string& directory);
// The installer window's action: refuses an empty folder, then uninstalls when
// started with "/Uninstall" and installs otherwise.
void ExecuteInstaller(const std::string& programName, const std::string& folder);

}  // namespace vb
