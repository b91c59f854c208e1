#pragma once
// The system's special folders and the folder-selection dialog.
#include <string>

namespace vb {

// The path of a special folder (a CSIDL value), ending with a delimiter, or
// empty when the system cannot supply it. The folder is created when missing.
std::string GetSystemDirectoryPath(int folderId);
std::string GetDesktopPath();
std::string GetProgramsMenuPath();
std::string GetProgramFilesPath();

// Lets the user choose a file-system folder, starting at `root` (the desktop
// when empty). True with the folder in `directory` when confirmed.
bool BrowseForDirectory(std::string& directory, const std::string& root, const std::string& caption);

}  // namespace vb
