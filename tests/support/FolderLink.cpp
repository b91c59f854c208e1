#include "support/FolderLink.h"

#ifdef _WIN32
#include <windows.h>

#include <string>

namespace vb::test {

namespace {

bool IsLink(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// The host's path of a Windows path, when running under wine.
std::string UnixPathOf(const std::string& path) {
  using ToUnix = char*(__cdecl*)(const wchar_t*);
  auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  wchar_t wide[MAX_PATH * 2];
  if (!::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH * 2)) return {};
  char* unix = toUnix(wide);
  if (!unix) return {};
  std::string result = unix;
  ::HeapFree(::GetProcessHeap(), 0, unix);
  return result;
}

bool RunAndWait(std::string commandLine, const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
    return false;
  ::WaitForSingleObject(process.hProcess, 30000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return true;
}

// The host's program is started in the link's folder: wine hands it its
// arguments split at blanks, whatever the quotes say.
bool RunInFolderOf(const std::string& path, const std::string& command) {
  const std::size_t cut = path.find_last_of('\\');
  const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  if (cut == std::string::npos || name.find(' ') != std::string::npos) return false;
  return RunAndWait(command + " " + name, path.substr(0, cut));
}

bool MakeFolderLink(const std::string& link, const std::string& target) {
  const bool underWine = !UnixPathOf(target).empty();
  if (!underWine)
    return ::CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) && IsLink(link);
  const std::string unixTarget = UnixPathOf(target);
  if (unixTarget.empty() || unixTarget.find(' ') != std::string::npos) return false;
  const bool ran = RunInFolderOf(link, "Z:\\bin\\ln -s " + unixTarget);
  // Wine may report the host's program as ended before it has run.
  for (int waited = 0; ran && waited < 5000; waited += 50) {
    if (IsLink(link)) return true;
    ::Sleep(50);
  }
  return false;
}

}  // namespace

ScopedFolderLink::ScopedFolderLink(const std::string& link, const std::string& target)
    : link_(link), made_(MakeFolderLink(link, target)) {}

ScopedFolderLink::~ScopedFolderLink() {
  if (!made_ || !IsLink(link_)) return;
  // Wine removes an empty folder that a link points to instead of the link.
  if (UnixPathOf(link_).empty()) {
    ::RemoveDirectoryA(link_.c_str());
    return;
  }
  RunInFolderOf(link_, "Z:\\bin\\rm -f");
  for (int waited = 0; waited < 5000 && IsLink(link_); waited += 50) ::Sleep(50);
}

}  // namespace vb::test

#endif  // _WIN32
