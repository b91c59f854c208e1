#include "app/InstallMode.h"

#include "core/Paths.h"
#include "core/ProgramPaths.h"

namespace vb {

bool IsStartedAsInstaller() { return SameTextAscii(GetProgramFileName(), "Install.exe"); }
bool IsUninstallRequest() { return SameTextAscii(GetCommandLineParameter(1), "/Uninstall"); }
bool IsInstallerMode() { return IsStartedAsInstaller() || IsUninstallRequest(); }

}  // namespace vb
