#pragma once
// The system's uninstall entry of an installed program (local-machine hive).
#include <string>

namespace vb {

// The key under which the entries live, relative to HKEY_LOCAL_MACHINE.
inline constexpr const char* kUninstallKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// Creates or updates the entry with "DisplayName" and "UninstallString".
void SetUninstallRegistry(const std::string& entryName, const std::string& displayName,
                          const std::string& uninstallString);
// Removes the entry; a missing entry is not a failure.
void DeleteUninstallerRegistry(const std::string& entryName);

}  // namespace vb
