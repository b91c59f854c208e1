#include "platform/win32/KnownFolders.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <knownfolders.h>

#include <cstdlib>

#include "core/base/Paths.h"
#include "core/errors/StatusFrame.h"
#include "platform/win32/Handles.h"

namespace vb {

std::string GetSystemDirectoryPath(int folderId) {
  std::string path;
  StatusFrame frame(VB_HERE, "GetSystemDirectoryPath");
  frame.Run([&] {
    char buffer[MAX_PATH] = "";
    // A folder the system cannot supply leaves the buffer empty.
    ::SHGetFolderPathA(nullptr, folderId | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, buffer);
    path = AddPathDelimiter(buffer);
  }, __LINE__);
  return path;
}

std::string GetDesktopPath() { return GetSystemDirectoryPath(CSIDL_DESKTOPDIRECTORY); }
std::string GetProgramsMenuPath() { return GetSystemDirectoryPath(CSIDL_PROGRAMS); }
std::string GetProgramFilesPath() { return GetSystemDirectoryPath(CSIDL_PROGRAM_FILES); }

namespace {

// The ANSI form of a folder path; its short form when the long one has
// characters the code page cannot hold.
std::string AnsiPathOf(const wchar_t* wide) {
  BOOL lossy = FALSE;
  char path[MAX_PATH * 2] = "";
  if (::WideCharToMultiByte(CP_ACP, 0, wide, -1, path, sizeof path, nullptr, &lossy) && !lossy) return path;
  wchar_t shortPath[MAX_PATH];
  const DWORD length = ::GetShortPathNameW(wide, shortPath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  lossy = FALSE;
  if (!::WideCharToMultiByte(CP_ACP, 0, shortPath, -1, path, sizeof path, nullptr, &lossy) || lossy) return {};
  return path;
}

std::string KnownFolderPath(const KNOWNFOLDERID& id) {
  PWSTR wide = nullptr;
  // Only asked, never created: a folder that does not exist protects nothing.
  const HRESULT result = ::SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &wide);
  CoTaskMemPtr<wchar_t> owner(wide);
  return SUCCEEDED(result) && wide ? AnsiPathOf(wide) : std::string();
}

}  // namespace

std::vector<std::string> GetKnownShellFolders() {
  static const KNOWNFOLDERID* const ids[] = {
      &FOLDERID_Windows, &FOLDERID_System, &FOLDERID_SystemX86, &FOLDERID_ProgramFiles,
      &FOLDERID_ProgramFilesX86, &FOLDERID_ProgramFilesCommon, &FOLDERID_ProgramFilesCommonX86,
      &FOLDERID_ProgramData, &FOLDERID_UserProfiles, &FOLDERID_Profile, &FOLDERID_Public,
      &FOLDERID_RoamingAppData, &FOLDERID_LocalAppData, &FOLDERID_LocalAppDataLow, &FOLDERID_Desktop,
      &FOLDERID_PublicDesktop, &FOLDERID_Documents, &FOLDERID_PublicDocuments, &FOLDERID_Downloads,
      &FOLDERID_PublicDownloads, &FOLDERID_Music, &FOLDERID_Pictures, &FOLDERID_Videos, &FOLDERID_SavedGames,
      &FOLDERID_Favorites, &FOLDERID_Templates, &FOLDERID_StartMenu, &FOLDERID_CommonStartMenu,
      &FOLDERID_Programs, &FOLDERID_CommonPrograms, &FOLDERID_Startup, &FOLDERID_CommonStartup,
      &FOLDERID_AdminTools, &FOLDERID_CommonAdminTools, &FOLDERID_SendTo, &FOLDERID_Fonts};
  std::vector<std::string> folders;
  for (const KNOWNFOLDERID* id : ids) {
    std::string path = KnownFolderPath(*id);
    if (!path.empty()) folders.push_back(path);
  }
  // A 32-bit program is shown the 32-bit program-files folder; the 64-bit one
  // is named only in the environment.
  for (const char* variable : {"ProgramW6432", "CommonProgramW6432"})
    if (const char* value = std::getenv(variable); value && *value) folders.push_back(value);
  return folders;
}

namespace {

// The item id list of a folder path, or none when the shell cannot parse it.
CoTaskMemPtr<ITEMIDLIST> ItemListOf(const std::string& path) {
  wchar_t wide[MAX_PATH * 2];
  if (!::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH * 2)) return CoTaskMemPtr<ITEMIDLIST>();
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(::SHParseDisplayName(wide, nullptr, &list, 0, nullptr))) return CoTaskMemPtr<ITEMIDLIST>();
  return CoTaskMemPtr<ITEMIDLIST>(list);
}

}  // namespace

bool BrowseForDirectory(std::string& directory, const std::string& root, const std::string& caption) {
  directory.clear();
  CoTaskMemPtr<ITEMIDLIST> rootList = root.empty() ? CoTaskMemPtr<ITEMIDLIST>() : ItemListOf(root);
  char displayName[MAX_PATH] = "";
  BROWSEINFOA info{};
  info.hwndOwner = ::GetActiveWindow();
  info.pidlRoot = rootList.get();
  info.pszDisplayName = displayName;
  info.lpszTitle = caption.c_str();
  // The resizable browser with its "Make New Folder" button.
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  CoTaskMemPtr<ITEMIDLIST> chosen(::SHBrowseForFolderA(&info));
  if (!chosen) return false;
  char path[MAX_PATH] = "";
  if (!::SHGetPathFromIDListA(chosen.get(), path)) return false;
  directory = path;
  return true;
}

}  // namespace vb
