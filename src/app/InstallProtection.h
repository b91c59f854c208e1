#pragma once
// Folders the installer never installs into and the uninstaller never empties:
// the system's and the user's own folders, and the roots of volumes.
#include <string>

namespace vb {

// The folder is one of the installer system's protected folders or a volume
// root, compared by what the file system says it is, not by its spelling.
bool IsSystemOrRootFolder(const std::string& folder);
// As IsSystemOrRootFolder, and also a path whose last name is empty or a drive.
bool IsProtectedFolder(const std::string& folder);

}  // namespace vb
