#include "platform/win32/DirectoryOperations.h"

#include <windows.h>

#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/errors/StatusFrame.h"
#include "platform/win32/FileTests.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ReparsePoints.h"

namespace vb {

namespace {

bool IsDirectoryEntry(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A folder that is a link to another place (junction or symbolic link).
bool IsLinkedDirectory(const WIN32_FIND_DATAA& entry) {
  return IsDirectoryEntry(entry) && (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Steps past "." and then ".." at the start of a listing; false when the
// listing ends there.
bool SkipDotEntries(HANDLE search, WIN32_FIND_DATAA& entry) {
  if (lstrcmpA(entry.cFileName, ".") == 0 && !::FindNextFileA(search, &entry)) return false;
  if (lstrcmpA(entry.cFileName, "..") == 0 && !::FindNextFileA(search, &entry)) return false;
  return true;
}

void RemoveFolderIgnoringFailure(const std::string& directory) {
  ClearReadOnly(directory);
  ::RemoveDirectoryA(directory.c_str());
}

void DeleteFileIgnoringFailure(const std::string& path) {
  ClearReadOnly(path);
  ::DeleteFileA(path.c_str());
}

}  // namespace

bool IsValidFolderPath(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  const std::size_t cut = path.find_last_of('\\');
  if (cut == std::string::npos) return true;  // a drive or a name relative to the current folder
  const std::string name = path.substr(cut + 1);
  return name.find(':') == std::string::npos && !HasInvalidNameCharacter(name);
}

void PrepareTargetFile(const std::string& oldName, const std::string& newName, bool replace) {
  if (replace && !IsSameFile(oldName, newName) && PathExists(newName)) DeleteFileIgnoringFailure(newName);
}

bool MyRenameFile(const std::string& oldName, const std::string& newName, bool replace) {
  bool renamed = false;
  StatusFrame frame(VB_HERE, "MyRenameFile");
  frame.Run([&] {
    PrepareTargetFile(oldName, newName, replace);
    ::SetLastError(0);
    renamed = ::MoveFileA(oldName.c_str(), newName.c_str()) != FALSE;
    if (!renamed) frame.Raise(__LINE__, "Failed to rename.", oldName, newName);
  }, __LINE__);
  return renamed;
}

void DeleteDirectoryNoErrors(const std::string& directory) {
  bool isLink = false;
  StatusFrame frame(VB_HERE, "DeleteDirectoryNoErrors");
  frame.Run([&] {
    // A folder that is itself a link is left alone, never emptied.
    if (IsReparsePoint(directory)) {
      isLink = true;
      return;
    }
    const std::string folder = AddPathDelimiter(directory);
    WIN32_FIND_DATAA entry;
    ::SetLastError(0);
    FindHandle search(::FindFirstFileA((folder + "*").c_str(), &entry));
    if (!search) {
      if (!IsSearchEndCode(::GetLastError())) frame.Raise(__LINE__, "Can not find directory.", directory);
    } else if (SkipDotEntries(search.get(), entry)) {
      do {
        const std::string path = folder + entry.cFileName;
        // A linked folder is left as it is: removing it could remove what
        // it points to on a file system that follows the link.
        if (IsDirectoryEntry(entry) && !IsLinkedDirectory(entry))
          DeleteDirectoryNoErrors(path);
        else if (!IsDirectoryEntry(entry))
          DeleteFileIgnoringFailure(path);
        ::SetLastError(0);
        if (!::FindNextFileA(search.get(), &entry)) {
          if (!IsSearchEndCode(::GetLastError())) frame.Raise(__LINE__, "Failed to delete directory content.", directory);
          break;
        }
      } while (true);
    }
  }, __LINE__);
  // The folder itself goes last, once its listing is closed.
  if (!isLink) RemoveFolderIgnoringFailure(directory);
}

namespace {

// One level of the tree copy. `excluded` is the top destination when it lies
// inside the source: copying it again would copy the copy without end.
void CopyDeleteLevel(const std::string& source, const std::string& destination, bool copy,
                     const std::string& excluded) {
  StatusFrame frame(VB_HERE, "CopyDeleteDirectory");
  frame.Run([&] {
    if (destination.empty()) return frame.Raise(__LINE__, "Empty destination name.", source);
    // A drive name as the last component ("C:\\Programs\\D:", from a copy of a
    // drive root) is no folder name; some file systems would take it as one.
    if (!IsValidFolderPath(destination))
      return frame.Raise(__LINE__, "Failed to create directory.", source, destination, ERROR_INVALID_NAME);
    ::SetLastError(0);
    if (!::CreateDirectoryExA(source.c_str(), destination.c_str(), nullptr) && IsSystemFailureAllowExisting(::GetLastError()))
      return frame.Raise(__LINE__, "Failed to create directory.", source, destination, ::GetLastError());

    const std::string sourceFolder = AddPathDelimiter(source);
    const std::string destinationFolder = AddPathDelimiter(destination);
    WIN32_FIND_DATAA entry;
    ::SetLastError(0);
    // Only read-only, archive and folder entries are listed: hidden and system
    // entries stay where they are.
    FindHandle search(::FindFirstFileA((sourceFolder + "*").c_str(), &entry));
    if (!search) {
      if (IsSearchEndCode(::GetLastError())) return;  // nothing to copy
      return frame.Raise(__LINE__, "Failed to find first file.", source, destination, ::GetLastError());
    }
    if (!SkipDotEntries(search.get(), entry)) return;
    do {
      if (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
      const std::string from = sourceFolder + entry.cFileName;
      const std::string to = destinationFolder + entry.cFileName;
      if (IsDirectoryEntry(entry)) {
        if (!excluded.empty() && IsSameFile(from, excluded)) continue;
        if (IsLinkedDirectory(entry)) continue;  // never copy or empty what a link points to
        CopyDeleteLevel(from, to, copy, excluded);
      } else if (copy) {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;  // a link's target is not ours
        ClearReadOnly(to);
        ::CopyFileA(from.c_str(), to.c_str(), FALSE);
      } else {
        DeleteFileIgnoringFailure(from);
      }
    } while (::FindNextFileA(search.get(), &entry));
  }, __LINE__);
  if (GlobalFunStat.Status > StatusWarning) GetPlatform().ShowBox("Error", "Failed to process directory.", 0x11);
  if (!copy) RemoveFolderIgnoringFailure(source);
}

}  // namespace

void CopyDeleteDirectory(const std::string& source, const std::string& destination, bool copy) {
  // A destination inside the source is left out of the listing.
  std::string excluded;
  const std::string sourceFolder = AddPathDelimiter(GetFullPath(source));
  const std::string destinationPath = GetFullPath(destination);
  if (!destination.empty() && destinationPath.size() > sourceFolder.size() &&
      SameTextAscii(destinationPath.substr(0, sourceFolder.size()), sourceFolder))
    excluded = destinationPath;
  CopyDeleteLevel(source, destination, copy, excluded);
}

}  // namespace vb
