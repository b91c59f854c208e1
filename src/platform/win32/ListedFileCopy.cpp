#include "platform/win32/ListedFileCopy.h"

#include <windows.h>

#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/errors/StatusFrame.h"
#include "core/store/StrictLines.h"
#include "platform/win32/DirectoryOperations.h"
#include "platform/win32/ReparsePoints.h"

namespace vb {

namespace {

bool IsFolder(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The folders below the destination already made or found, and those refused.
struct FolderCheck {
  SeenNames Ready, Refused;
};

// Makes the folders of `relative` below `destination`; false (with the problem
// noted) when one cannot be made or is a link.
bool MakeParentFolders(const std::string& destination, const std::string& relative, FolderCheck& check,
                       ListedCopyOutcome& outcome) {
  for (std::size_t at = relative.find('\\'); at != std::string::npos; at = relative.find('\\', at + 1)) {
    const std::string folder = relative.substr(0, at);
    const std::string path = AddPathDelimiter(destination) + folder;
    auto refuse = [&](const std::string& why) {
      check.Refused.Insert(folder);
      outcome.Problems.push_back(relative + " not copied: " + why);
      return false;
    };
    if (check.Refused.Contains(folder)) return refuse("the folder " + path + " was refused");
    if (check.Ready.Contains(folder)) continue;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
      return refuse(path + " is a link to another place");
    if (!IsFolder(attributes)) {
      if (!::CreateDirectoryA(path.c_str(), nullptr))
        return refuse("the folder " + path + " cannot be made (error " + std::to_string(::GetLastError()) + ")");
      outcome.MadeFolders.push_back(folder);
    }
    check.Ready.Insert(folder);
  }
  return true;
}

void CopyOneFile(const std::string& source, const std::string& destination, const std::string& relative,
                 ListedCopyOutcome& outcome) {
  const std::string from = AddPathDelimiter(source) + relative, to = AddPathDelimiter(destination) + relative;
  const std::string link = LinkOnTheWay(source, relative, true);
  if (!link.empty()) return outcome.Problems.push_back(relative + " not copied: " + link + " is a link");
  const DWORD attributes = ::GetFileAttributesA(from.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || IsFolder(attributes))
    return outcome.Problems.push_back(relative + " not copied: it is not a file of the distribution folder");
  // A link in place of the copy would be written through; the link itself goes.
  if (IsReparsePoint(to)) ::DeleteFileA(to.c_str());
  ClearReadOnly(to);
  if (!::CopyFileA(from.c_str(), to.c_str(), FALSE))
    return outcome.Problems.push_back(relative + " not copied (error " + std::to_string(::GetLastError()) + ")");
  // The copy keeps the source's attributes; a read-only one could not be saved over.
  ClearReadOnly(to);
  outcome.CopiedFiles.push_back(relative);
}

}  // namespace

ListedCopyOutcome CopyListedFiles(const std::string& source, const std::string& destination,
                                  const std::vector<std::string>& files) {
  ListedCopyOutcome outcome;
  StatusFrame frame(VB_HERE, "CopyListedFiles");
  frame.Run([&] {
    if (destination.empty()) return frame.Raise(__LINE__, "Empty destination name.", source);
    if (!IsValidFolderPath(destination))
      return frame.Raise(__LINE__, "Failed to create directory.", source, destination, ERROR_INVALID_NAME);
    if (IsReparsePoint(destination))
      return frame.Raise(__LINE__, "The directory is a link to another place.", destination);
    ::SetLastError(0);
    if (::CreateDirectoryA(destination.c_str(), nullptr)) {
      outcome.MadeDestination = true;
    } else if (::GetLastError() != ERROR_ALREADY_EXISTS || !IsFolder(::GetFileAttributesA(destination.c_str()))) {
      return frame.Raise(__LINE__, "Failed to create directory.", source, destination, ::GetLastError());
    }
    FolderCheck folders;
    for (const std::string& relative : files)
      if (MakeParentFolders(destination, relative, folders, outcome))
        CopyOneFile(source, destination, relative, outcome);
  }, __LINE__);
  if (GlobalFunStat.Status > StatusWarning) GetPlatform().ShowBox("Error", "Failed to process directory.", 0x11);
  return outcome;
}

}  // namespace vb
