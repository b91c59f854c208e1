#include "app/UninstallCleanup.h"

#include <windows.h>

#include <algorithm>

#include "app/InstallPaths.h"
#include "app/InstallProtection.h"
#include "app/InstallSteps.h"
#include "core/base/Paths.h"
#include "core/base/ProgramPaths.h"
#include "core/store/SafeFileWrite.h"
#include "core/store/StrictLines.h"
#include "platform/win32/FileTests.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ReparsePoints.h"
#include "platform/win32/ShellLinks.h"
#include "platform/win32/UninstallRegistry.h"

namespace vb {

namespace {

constexpr int kDeepestLevel = 32;

bool EndsWithText(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && SameTextAscii(text.substr(text.size() - end.size()), end);
}

bool IsInsideFolder(const std::string& path, const std::string& folder) {
  const std::string inner = GetCanonicalPath(path), outer = AddPathDelimiter(GetCanonicalPath(folder));
  return inner.size() > outer.size() && SameTextAscii(inner.substr(0, outer.size()), outer);
}

// What the uninstallation tried to delete, relative to the installation folder.
struct Attempts {
  SeenNames Files;
};

void DeleteOneFile(const std::string& root, const std::string& relative, Attempts& attempts) {
  if (!LinkOnTheWay(root, relative, false).empty()) return;  // never through a link
  const std::string path = AddPathDelimiter(root) + relative;
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  // A folder, or a link to one, where a file should be is not the program's.
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return;
  attempts.Files.Insert(relative);
  // A file link goes itself; what it points to stays.
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) ClearReadOnly(path);
  ::DeleteFileA(path.c_str());
}

// The game's own files in one of its folders ("" is the installation folder).
void DeleteGameFilesIn(const std::string& root, const std::string& folder, bool keepErrorLog, Attempts& attempts) {
  const std::string prefix = folder.empty() ? std::string() : folder + "\\";
  if (!folder.empty() && !LinkOnTheWay(root, folder, true).empty()) return;
  std::vector<std::string> found;
  WIN32_FIND_DATAA entry;
  FindHandle search(::FindFirstFileA((AddPathDelimiter(root) + prefix + "*").c_str(), &entry));
  if (!search) return;
  do {
    const std::string path = prefix + entry.cFileName;
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsGameOwnFile(path) &&
        !(keepErrorLog && SameTextAscii(path, kErrorLogName)))
      found.push_back(path);
  } while (::FindNextFileA(search.get(), &entry));
  for (const std::string& relative : found) DeleteOneFile(root, relative, attempts);
}

bool LinkLeadsTo(const std::string& link, const std::string& programFile, const std::string& folder) {
  std::string target;
  if (!ReadLinkTarget(link, target)) return false;
  return IsSameFile(target, programFile) || (!folder.empty() && IsInsideFolder(target, folder));
}

// The desktop link when it starts this program; the menu links when they lead
// into this installation; the menu folder when it is empty and was made.
std::vector<std::string> RemoveLinks(const InstallationToRemove& installation) {
  std::vector<std::string> kept;
  InstallerSystem& system = GetInstallerSystem();
  const InstallRecord& record = installation.Record;
  const std::string desktop = system.DesktopPath();
  if (!record.DesktopLink.empty() && !desktop.empty()) {
    const std::string link = AddPathDelimiter(desktop) + record.DesktopLink;
    if (!IsReparsePoint(link) && LinkLeadsTo(link, installation.ProgramFile, "")) ::DeleteFileA(link.c_str());
  }
  const std::string programs = system.ProgramsMenuPath();
  if (record.MenuFolder.empty() || programs.empty()) return kept;
  const std::string menuFolder = AddPathDelimiter(programs) + record.MenuFolder;
  if (IsReparsePoint(menuFolder)) return kept;
  for (const std::string& name : record.MenuLinks) {
    const std::string link = AddPathDelimiter(menuFolder) + name;
    if (!IsReparsePoint(link) && LinkLeadsTo(link, installation.ProgramFile, installation.Folder))
      ::DeleteFileA(link.c_str());
  }
  if (record.MadeMenuFolder && !IsSystemOrRootFolder(menuFolder)) {
    ::RemoveDirectoryA(menuFolder.c_str());
    if (PathExists(menuFolder))
      kept.push_back("The directory \"" + menuFolder + "\" was kept: it holds files that were not installed with the program.");
  }
  return kept;
}

void RemoveUninstallEntry(const InstallationToRemove& installation) {
  const std::string& entry = installation.Record.UninstallEntry;
  std::string command;
  if (entry.empty() || !ReadUninstallString(entry, command)) return;
  // Another installation of the program may own the entry now.
  const std::string program = ProgramOfUninstallCommand(command);
  if (!program.empty() && IsSameFile(program, installation.ProgramFile)) DeleteUninstallerRegistry(entry);
}

// The folders that may go once empty, deepest first.
std::vector<std::string> FoldersToRemove(const InstallRecord& record) {
  std::vector<std::string> folders = record.MadeFolders;
  for (const char* own : {kGamesFolderName, kDictionariesFolderName})
    if (std::none_of(folders.begin(), folders.end(), [&](const std::string& f) { return SameTextAscii(f, own); }))
      folders.push_back(own);
  auto depth = [](const std::string& path) { return std::count(path.begin(), path.end(), '\\'); };
  std::stable_sort(folders.begin(), folders.end(),
                   [&](const std::string& a, const std::string& b) { return depth(a) > depth(b); });
  return folders;
}

struct WhatStayed {
  bool Foreign = false;   // something the program did not put there
  bool ErrorLog = false;  // the log kept for this uninstallation's reports
};

void LookAtWhatStayed(const std::string& root, const std::string& relative, int level, const Attempts& attempts,
                      const SeenNames& ownFolders, bool keepErrorLog, WhatStayed& stayed) {
  const std::string prefix = relative.empty() ? std::string() : relative + "\\";
  WIN32_FIND_DATAA entry;
  FindHandle search(::FindFirstFileA((AddPathDelimiter(root) + prefix + "*").c_str(), &entry));
  if (!search) return;
  do {
    const std::string name = entry.cFileName, path = prefix + name;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      stayed.Foreign = true;
    } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!ownFolders.Contains(path)) stayed.Foreign = true;
      if (level < kDeepestLevel) LookAtWhatStayed(root, path, level + 1, attempts, ownFolders, keepErrorLog, stayed);
    } else if (keepErrorLog && SameTextAscii(path, kErrorLogName)) {
      stayed.ErrorLog = true;
    } else if (!attempts.Files.Contains(path)) {
      stayed.Foreign = true;  // files that were tried stay only while in use
    }
  } while (!stayed.Foreign && ::FindNextFileA(search.get(), &entry));
}

}  // namespace

bool IsGameOwnFile(const std::string& relative) {
  std::string path = relative;
  if (EndsWithText(path, kTemporaryFileSuffix)) path.resize(path.size() - std::string(kTemporaryFileSuffix).size());
  const std::string folder = GetPathPart(path), name = GetNamePart(path), extension = GetExtension(path);
  if (folder.empty())
    return SameTextAscii(name, kOptionsFileName) || SameTextAscii(name, kErrorLogName) ||
           SameTextAscii(name, kRecordsFileName) || SameTextAscii(name, kDamagedRecordsFileName) ||
           SameTextAscii(name, kViewSettingsFileName);
  if (SameTextAscii(folder, std::string(kGamesFolderName) + "\\")) return SameTextAscii(extension, ".vbg");
  if (SameTextAscii(folder, std::string(kDictionariesFolderName) + "\\"))
    return SameTextAscii(extension, ".vbd") || SameTextAscii(extension, ".txt");
  return false;
}

std::vector<std::string> RemoveInstallation(const InstallationToRemove& installation) {
  const std::string& root = installation.Folder;
  const InstallRecord& record = installation.Record;
  // Links are judged while the files they lead to are still there.
  std::vector<std::string> kept = RemoveLinks(installation);
  RemoveUninstallEntry(installation);

  Attempts attempts;
  for (const std::string& file : record.Files)
    if (!(installation.KeepErrorLog && SameTextAscii(file, kErrorLogName))) DeleteOneFile(root, file, attempts);
  for (const char* folder : {"", kGamesFolderName, kDictionariesFolderName}) DeleteGameFilesIn(root, folder, installation.KeepErrorLog, attempts);
  if (installation.KeepErrorLog) attempts.Files.Insert(kErrorLogName);  // kept on purpose, not foreign
  for (const std::string& name : {std::string(kInstallRecordName), std::string(kInstallRecordName) + kTemporaryFileSuffix})
    DeleteOneFile(root, name, attempts);

  SeenNames ownFolders;
  for (const std::string& folder : FoldersToRemove(record)) {
    ownFolders.Insert(folder);
    if (LinkOnTheWay(root, folder, true).empty()) ::RemoveDirectoryA((AddPathDelimiter(root) + folder).c_str());
  }
  std::string rootPath = root;
  if (rootPath.size() > 3 && rootPath.back() == '\\') rootPath.pop_back();
  if (record.MadeInstallationFolder) ::RemoveDirectoryA(rootPath.c_str());

  if (PathExists(rootPath)) {
    WhatStayed stayed;
    LookAtWhatStayed(root, "", 0, attempts, ownFolders, installation.KeepErrorLog, stayed);
    const std::string folderText = "The directory \"" + AddPathDelimiter(root) + "\" was kept: ";
    if (stayed.Foreign)
      kept.insert(kept.begin(), folderText + "it holds files that were not installed with the program.");
    else if (stayed.ErrorLog)
      kept.insert(kept.begin(), folderText + "its Errors.log lists entries of the install record that were ignored.");
  }
  return kept;
}

}  // namespace vb
