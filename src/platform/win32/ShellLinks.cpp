#include "platform/win32/ShellLinks.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "core/base/Paths.h"
#include "core/errors/StatusFrame.h"
#include "platform/win32/FileTests.h"
#include "platform/win32/Handles.h"

namespace vb {

void TLinkFile::Clear() {
  ReferencePath.clear();
  WorkingPath.clear();
  Arguments.clear();
  Description.clear();
  IconPath.clear();
  IconIndex = 0;
  HotKey = 0;
  ShowCommand = 0;
}

namespace {

// Writes the link through the shell-link object. Returns the failure message of
// the first step that failed (empty on success) and its result code.
struct LinkWriteFailure {
  const char* Message = nullptr;
  std::uint32_t Code = 0;
};

LinkWriteFailure WriteLink(const TLinkFile& link, const std::string& linkPath) {
  auto failed = [](HRESULT result) { return IsComFailure(static_cast<std::int32_t>(result)); };
  auto code = [](HRESULT result) { return static_cast<std::uint32_t>(result); };

  ComPtr<IShellLinkA> shellLink;
  HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      shellLink.put_void());
  if (failed(result) || !shellLink) return {"Failed to initialize instance.", code(result)};
  result = shellLink->SetPath(link.ReferencePath.c_str());
  if (failed(result)) return {"Failed to set reference path.", code(result)};
  result = shellLink->SetWorkingDirectory(GetFullPath(link.WorkingPath).c_str());
  if (failed(result)) return {"Failed to set working path.", code(result)};
  result = shellLink->SetArguments(link.Arguments.c_str());
  if (failed(result)) return {"Failed to set arguments.", code(result)};
  result = shellLink->SetDescription(link.Description.c_str());
  if (failed(result)) return {"Failed to set description.", code(result)};
  result = shellLink->SetIconLocation(GetFullPath(link.IconPath).c_str(), link.IconIndex);
  if (failed(result)) return {"Failed to set icon path.", code(result)};
  result = shellLink->SetHotkey(link.HotKey);
  if (failed(result)) return {"Failed to set hot key.", code(result)};
  result = shellLink->SetShowCmd(link.ShowCommand);
  if (failed(result)) return {"Failed to set show command.", code(result)};

  ComPtr<IPersistFile> persistFile;
  result = shellLink->QueryInterface(IID_IPersistFile, persistFile.put_void());
  if (failed(result) || !persistFile) return {"Failed to query interface.", code(result)};

  wchar_t widePath[MAX_PATH];
  ::SetLastError(0);
  int converted = ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
  if (converted == 0 || IsSystemFailure(::GetLastError()))
    return {"Failed to convert to unicode.", ::GetLastError()};

  result = persistFile->Save(widePath, FALSE);
  if (failed(result)) return {"Failed to save link file.", code(result)};
  return {};
}

}  // namespace

void TLinkFile::Save(const std::string& linkPath, bool overwrite) {
  StatusFrame frame(VB_HERE, "TLinkFile::Save");
  frame.Run([&] {
    ReferencePath = GetFullPath(ReferencePath);
    if (IsLinkFileName(ReferencePath)) {
      frame.Raise(__LINE__, "This operating system does not support chained links.", linkPath);
    } else if (!PathExists(linkPath) || overwrite) {
      LinkWriteFailure failure = WriteLink(*this, linkPath);
      if (failure.Message) frame.Raise(__LINE__, failure.Message, linkPath, "", failure.Code);
    }
    if (frame.Failed()) Clear();
  }, __LINE__);
}

bool ReadLinkTarget(const std::string& linkPath, std::string& target) {
  target.clear();
  ComPtr<IShellLinkA> shellLink;
  ComPtr<IPersistFile> persistFile;
  wchar_t widePath[MAX_PATH];
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                shellLink.put_void())) ||
      FAILED(shellLink->QueryInterface(IID_IPersistFile, persistFile.put_void())) ||
      !::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) ||
      FAILED(persistFile->Load(widePath, STGM_READ)))
    return false;
  char path[MAX_PATH * 2] = "";
  // The stored path itself, without the shell resolving it to somewhere else.
  if (FAILED(shellLink->GetPath(path, sizeof path, nullptr, SLGP_RAWPATH))) return false;
  target = path;
  return !target.empty();
}

bool IsDosProgram(const std::string& path) {
  DWORD_PTR type = ::SHGetFileInfoA(path.c_str(), 0, nullptr, 0, SHGFI_EXETYPE);
  return type == 0x5A4D;
}

std::string GetLinkExtension(const std::string& path) { return IsDosProgram(path) ? ".pif" : ".lnk"; }

void CopyFileAsLink(const std::string& reference, const std::string& linkPath, bool overwrite, bool minimised,
                    bool workingFromReference, const std::string& arguments) {
  StatusFrame frame(VB_HERE, "CopyFileAsLink");
  frame.Run([&] {
    TLinkFile link;
    link.ReferencePath = reference;
    if (workingFromReference) link.WorkingPath = GetPathPart(reference);
    link.Arguments = arguments;
    if (minimised) link.ShowCommand = SW_SHOWMINNOACTIVE;
    link.Save(linkPath, overwrite);
    frame.Adopt();
  }, __LINE__);
}

void CopyFileAsLinkWithParam(const std::string& reference, const std::string& linkPath,
                             const std::string& arguments, bool overwrite) {
  StatusFrame frame(VB_HERE, "CopyFileAsLinkWithParam");
  frame.Run([&] {
    TLinkFile link;
    link.ReferencePath = reference;
    link.WorkingPath = GetPathPart(reference);
    link.Arguments = arguments;
    link.Save(linkPath, overwrite);
    frame.Adopt();
  }, __LINE__);
}

}  // namespace vb
