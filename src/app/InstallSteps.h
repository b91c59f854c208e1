#pragma once
// What the installer does: copy the distribution folder, make the program file,
// shortcuts and uninstall entry, start the program; and undo it all.
#include <string>
#include <vector>

namespace vb {

// The system places the installer writes to and the start of the installed
// program. Tests replace it to work in folders of their own.
class InstallerSystem {
 public:
  virtual ~InstallerSystem() = default;
  // Special folders, ending with a delimiter, or empty when unknown.
  virtual std::string DesktopPath();
  virtual std::string ProgramsMenuPath();
  virtual std::string ProgramFilesPath();
  // Folders the uninstaller must never empty, besides drive roots.
  virtual std::vector<std::string> ProtectedFolders();
  // Starts the installed program; a failure is left in GlobalFunStat.
  virtual void StartProgram(const std::string& programFile);
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
