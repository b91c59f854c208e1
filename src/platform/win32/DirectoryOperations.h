#pragma once
// File and folder-tree operations of the installer: rename with replace,
// recursive copy and recursive delete.
#include <string>

namespace vb {

// False when the last component of a folder path cannot name a folder: a
// drive name below another folder, or a name with wildcard characters.
bool IsValidFolderPath(std::string path);

// With `replace`, removes an existing `newName` (even read-only) unless it is
// the same file as `oldName`.
void PrepareTargetFile(const std::string& oldName, const std::string& newName, bool replace);
// Moves `oldName` to `newName`; "Failed to rename." is left in GlobalFunStat on failure.
bool MyRenameFile(const std::string& oldName, const std::string& newName, bool replace);

// Deletes a folder tree as far as possible: files in use and the folders that
// hold them stay. Linked folders (junctions, symbolic links) are left as they
// are, never emptied.
void DeleteDirectoryNoErrors(const std::string& directory);

// Copies the folder tree `source` into `destination` (`copy`), or moves it by
// deleting the source files while the destination folders are built. Hidden and
// system entries are left alone. A level that fails shows "Failed to process
// directory." and the caller's level goes on.
void CopyDeleteDirectory(const std::string& source, const std::string& destination, bool copy);

}  // namespace vb
