#pragma once
// The system's special folders and the folder-selection dialog.
#include <string>
#include <vector>

namespace vb {

// The path of a special folder (a CSIDL value), ending with a delimiter, or
// empty when the system cannot supply it. The folder is created when missing.
std::string GetSystemDirectoryPath(int folderId);
std::string GetDesktopPath();
std::string GetProgramsMenuPath();
std::string GetProgramFilesPath();

// The shell's own folders that hold far more than one program: Windows, System,
// the program-files folders, ProgramData, Users, the profile, AppData, Desktop,
// Documents, Downloads, the Start menu, Programs, Startup and the like, for the
// user and for all users. Only those the system can name; none is created.
std::vector<std::string> GetKnownShellFolders();

// Lets the user choose a file-system folder, starting at `root` (the desktop
// when empty). True with the folder in `directory` when confirmed.
bool BrowseForDirectory(std::string& directory, const std::string& root, const std::string& caption);

}  // namespace vb
