#include "app/InstallMode.h"

#include "core/base/Paths.h"
#include "core/base/ProgramPaths.h"

namespace vb {

bool IsStartedAsInstaller() { return SameTextAscii(GetProgramFileName(), "Install.exe"); }
bool IsUninstallRequest() { return SameTextAscii(GetCommandLineParameter(1), "/Uninstall"); }
bool IsInstallerMode() { return IsStartedAsInstaller() || IsUninstallRequest(); }

}  // namespace vb
