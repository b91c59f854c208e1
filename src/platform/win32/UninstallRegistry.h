#pragma once
// The system's uninstall entry of an installed program (local-machine hive).
#include <string>

namespace vb {

// The key under which the entries live, relative to HKEY_LOCAL_MACHINE.
inline constexpr const char* kUninstallKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// Creates or updates the entry with "DisplayName" and "UninstallString".
void SetUninstallRegistry(const std::string& entryName, const std::string& displayName,
                          const std::string& uninstallString);
// The entry's "UninstallString"; false when there is no such entry or value.
bool ReadUninstallString(const std::string& entryName, std::string& uninstallString);
// Whether this process may make and remove entries (the machine hive needs
// administrator rights).
bool CanWriteUninstallEntries();
// Removes the entry; a missing entry is not a failure.
void DeleteUninstallerRegistry(const std::string& entryName);

}  // namespace vb
