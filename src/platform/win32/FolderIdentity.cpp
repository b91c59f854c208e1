#include "platform/win32/FolderIdentity.h"

#include <windows.h>

#include "core/base/Paths.h"
#include "platform/win32/Handles.h"

namespace vb {

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  if (path.empty()) return std::nullopt;
  // Attributes only, shared with everyone: opening never disturbs the file.
  FileHandle file(::CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information;
  if (!file || !::GetFileInformationByHandle(file.get(), &information)) return std::nullopt;
  FileIdentity identity;
  identity.Volume = information.dwVolumeSerialNumber;
  identity.Index = (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
  return identity;
}

bool IsSameByIdentity(const std::string& a, const std::string& b) {
  const std::optional<FileIdentity> x = IdentityOf(a);
  return x && x == IdentityOf(b);
}

bool IsVolumeRoot(const std::string& folder) {
  char root[MAX_PATH * 2] = "";
  if (folder.empty() || !::GetVolumePathNameA(folder.c_str(), root, sizeof root)) return false;
  // "C:\Windows\.." and a drive alias both end at a volume's root folder.
  return IsSameByIdentity(AddPathDelimiter(folder), root);
}

}  // namespace vb
