#include "platform/win32/UninstallRegistry.h"

#include <windows.h>

#include "core/errors/StatusFrame.h"
#include "platform/win32/Handles.h"

namespace vb {

namespace {

LONG WriteText(HKEY key, const char* name, const std::string& value) {
  return ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
}

}  // namespace

void SetUninstallRegistry(const std::string& entryName, const std::string& displayName,
                          const std::string& uninstallString) {
  StatusFrame frame(VB_HERE, "SetUninstallRegistry");
  frame.Run([&] {
    const std::string keyPath = kUninstallKeyPath + entryName;
    RegistryKey key;
    LONG result = ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_SET_VALUE, nullptr, key.put(), nullptr);
    // Without rights to the machine's hive the entry cannot be made; say so
    // rather than pretend it was written.
    if (result != ERROR_SUCCESS)
      return frame.Raise(__LINE__, "Failed to open registry key.", keyPath, "", static_cast<std::uint32_t>(result));
    result = WriteText(key.get(), "DisplayName", displayName);
    if (result == ERROR_SUCCESS) result = WriteText(key.get(), "UninstallString", uninstallString);
    if (result != ERROR_SUCCESS)
      frame.Raise(__LINE__, "Failed to write registry value.", keyPath, "", static_cast<std::uint32_t>(result));
  }, __LINE__);
}

bool ReadUninstallString(const std::string& entryName, std::string& uninstallString) {
  uninstallString.clear();
  RegistryKey key;
  const std::string keyPath = kUninstallKeyPath + entryName;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
    return false;
  char value[2048];
  DWORD size = sizeof value - 1, type = 0;
  if (::RegQueryValueExA(key.get(), "UninstallString", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return false;
  value[size] = 0;  // a stored text need not end with its zero
  uninstallString = value;
  return true;
}

bool CanWriteUninstallEntries() {
  // Asking for the right to add keys makes nothing.
  std::string keyPath = kUninstallKeyPath;
  keyPath.pop_back();
  RegistryKey key;
  return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_CREATE_SUB_KEY | KEY_SET_VALUE, key.put()) !=
         ERROR_ACCESS_DENIED;
}

void DeleteUninstallerRegistry(const std::string& entryName) {
  StatusFrame frame(VB_HERE, "DeleteUninstallerRegistry");
  frame.Run([&] {
    const std::string keyPath = kUninstallKeyPath + entryName;
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str());
  }, __LINE__);
}

}  // namespace vb
