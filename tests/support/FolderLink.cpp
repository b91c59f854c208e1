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

}  // namespace

bool MakeFolderLink(const std::string& link, const std::string& target) {
  if (::CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) && IsLink(link)) return true;
  ::RemoveDirectoryA(link.c_str());
  // The host's program is started in the link's folder: wine hands it its
  // arguments split at blanks, whatever the quotes say.
  const std::size_t cut = link.find_last_of('\\');
  const std::string unixTarget = UnixPathOf(target);
  if (cut == std::string::npos || unixTarget.empty() || unixTarget.find(' ') != std::string::npos) return false;
  const std::string name = link.substr(cut + 1);
  if (name.find(' ') != std::string::npos) return false;
  const bool ran = RunAndWait("Z:\\bin\\ln -s " + unixTarget + " " + name, link.substr(0, cut));
  // Wine may report the host's program as ended before it has run.
  for (int waited = 0; ran && waited < 5000; waited += 50) {
    if (IsLink(link)) return true;
    ::Sleep(50);
  }
  return false;
}

}  // namespace vb::test

#endif  // _WIN32
