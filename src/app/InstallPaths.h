#pragma once
// The names the installer works with, derived from the distribution folder, the
// chosen parent folder and the program's name.
#include <string>

namespace vb {

struct InstallPaths {
  std::string Source;            // the distribution folder, ending with a delimiter
  std::string FolderName;        // its own name: the installation folder gets the same
  std::string Target;            // the installation folder (no trailing delimiter)
  std::string ProgramFile;       // the installed program
  std::string UninstallCommand;  // the command line that uninstalls it
  std::string ReadmeFile;
};

// The last component of a folder path that ends with a delimiter
// ("C:\Games\Vorbelle\" gives "Vorbelle"; a drive root gives the drive name).
std::string LastFolderName(const std::string& folder);

InstallPaths ComputeInstallPaths(const std::string& sourceFolder, const std::string& installTo,
                                 const std::string& programName);

// The uninstall command line: the program file, quoted when it holds a blank so
// that no shorter path can be taken for it, then "/Uninstall".
std::string UninstallCommandFor(const std::string& programFile);
// The program file that an uninstall command line starts (quoted or not, with
// or without the "/Uninstall" argument); empty when it names none.
std::string ProgramOfUninstallCommand(const std::string& command);

// The nearest folder of `path` (itself included) that exists, or empty.
std::string NearestExistingFolder(const std::string& path);

}  // namespace vb
