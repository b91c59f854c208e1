#include "app/InstallProtection.h"

#include "app/InstallPaths.h"
#include "app/InstallSteps.h"
#include "core/base/Paths.h"
#include "platform/win32/FileTests.h"
#include "platform/win32/FolderIdentity.h"

namespace vb {

bool IsSystemOrRootFolder(const std::string& folder) {
  const std::string path = AddPathDelimiter(folder);
  if (IsVolumeRoot(path)) return true;
  for (const std::string& known : GetInstallerSystem().ProtectedFolders()) {
    if (known.empty()) continue;
    // The identity catches every other spelling; the text still catches a
    // folder that cannot be opened just now.
    if (IsSameByIdentity(path, AddPathDelimiter(known)) || IsSameFile(path, AddPathDelimiter(known))) return true;
  }
  return false;
}

bool IsProtectedFolder(const std::string& folder) {
  const std::string name = LastFolderName(AddPathDelimiter(folder));
  return name.empty() || IsDriveName(name) || IsSystemOrRootFolder(folder);
}

}  // namespace vb
