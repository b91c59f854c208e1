// The uninstall entry in the machine hive (of the test's private wine prefix).
#include <windows.h>

#include <gtest/gtest.h>

#include "core/errors/FunStat.h"
#include "platform/win32/Handles.h"
#include "platform/win32/UninstallRegistry.h"
#include "support/FakePlatform.h"

namespace vb {
namespace {

std::string ReadValue(const std::string& entry, const char* name) {
  RegistryKey key;
  const std::string path = kUninstallKeyPath + entry;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return "<none>";
  char value[512] = "";
  DWORD size = sizeof value, type = 0;
  if (::RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
    return "<missing>";
  return type == REG_SZ ? std::string(value) : "<not text>";
}

TEST(UninstallRegistry, EntryIsWrittenUpdatedAndDeleted) {
  test::FakePlatformScope platform;
  const std::string entry = "VorbelleRegistryTest";
  SetUninstallRegistry(entry, "Vorbelle", "C:\\Games\\Vorbelle\\Vorbelle.exe /Uninstall");
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect) << GlobalFunStat.Description;
  EXPECT_EQ(ReadValue(entry, "DisplayName"), "Vorbelle");
  EXPECT_EQ(ReadValue(entry, "UninstallString"), "C:\\Games\\Vorbelle\\Vorbelle.exe /Uninstall");

  SetUninstallRegistry(entry, "Vorbelle 2", "D:\\V\\Vorbelle.exe /Uninstall");
  EXPECT_EQ(ReadValue(entry, "DisplayName"), "Vorbelle 2");
  EXPECT_EQ(ReadValue(entry, "UninstallString"), "D:\\V\\Vorbelle.exe /Uninstall");

  DeleteUninstallerRegistry(entry);
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
  EXPECT_EQ(ReadValue(entry, "DisplayName"), "<none>");
  DeleteUninstallerRegistry(entry);
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
}

}  // namespace
}  // namespace vb
