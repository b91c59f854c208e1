#include "platform/win32/KnownFolders.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

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
