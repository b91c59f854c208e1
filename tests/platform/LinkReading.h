#pragma once
// Test helpers: COM for the test's thread, and a shortcut read back through the
// shell-link object.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/Handles.h"

namespace vb::test {

class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(::CoInitialize(nullptr))) {}
  ~ComScope() {
    if (initialised_) ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

struct LinkContents {
  bool Loaded = false;
  std::string Target;
  std::string Arguments;
  std::string WorkingDirectory;
  int ShowCommand = 0;
};

// The show command as stored in the link file's header (wine's link object
// reads every stored value back as "normal").
inline int ShowCommandInFile(const std::string& linkPath) {
  FileHandle file(::CreateFileA(linkPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  DWORD value = 0, done = 0;
  if (!file || ::SetFilePointer(file.get(), 0x3C, nullptr, FILE_BEGIN) != 0x3C ||
      !::ReadFile(file.get(), &value, sizeof value, &done, nullptr) || done != sizeof value)
    return -1;
  return static_cast<int>(value);
}

inline LinkContents ReadLink(const std::string& linkPath) {
  LinkContents contents;
  ComPtr<IShellLinkA> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void())))
    return contents;
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void()))) return contents;
  wchar_t wide[MAX_PATH];
  ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
  if (FAILED(file->Load(wide, STGM_READ))) return contents;
  char text[MAX_PATH * 2] = "";
  link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
  contents.Target = text;
  text[0] = 0;
  link->GetArguments(text, sizeof text);
  contents.Arguments = text;
  text[0] = 0;
  link->GetWorkingDirectory(text, sizeof text);
  contents.WorkingDirectory = text;
  contents.ShowCommand = ShowCommandInFile(linkPath);
  contents.Loaded = true;
  return contents;
}

}  // namespace vb::test
