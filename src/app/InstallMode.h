#pragma once
// Whether the program runs as its own installer or uninstaller.

namespace vb {

// The program file is named "Install.exe" (any letter case).
bool IsStartedAsInstaller();
// The first argument is "/Uninstall" (any letter case).
bool IsUninstallRequest();
// Either of the two: start-up then opens the installer window instead of the game.
bool IsInstallerMode();

}  // namespace vb
