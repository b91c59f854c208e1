#pragma once
// Shared by the installer's tests: special folders inside the test's own
// folder, a distribution folder with its file list, and the uninstall entry of
// the test program's name (in the test prefix's own registry).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/InstallSteps.h"
#include "platform/LinkReading.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/TempFolder.h"

namespace vb::test {

constexpr int kYes = 6, kNo = 7;
inline const char* const kName = "VorbelleStepsTest";  // program and registry entry name of these tests

// The started program and any restart with administrator rights are recorded;
// the rights are whatever the test sets.
class TestInstallerSystem : public InstallerSystem {
 public:
  explicit TestInstallerSystem(const std::string& root);
  std::string DesktopPath() override { return root_ + "Desktop\\"; }
  std::string ProgramsMenuPath() override { return root_ + "Programs\\"; }
  std::string ProgramFilesPath() override { return root_ + "Program Files\\"; }
  std::vector<std::string> ProtectedFolders() override;
  void StartProgram(const std::string& file) override { Started.push_back(file); }
  bool IsElevated() override { return Elevated; }
  bool CanWriteFolder(const std::string& folder) override;
  bool CanWriteUninstallEntries() override { return UninstallEntriesWritable; }
  ElevatedStart RestartElevated(std::uint32_t& error) override;

  std::vector<std::string> Started;
  std::vector<std::string> MoreProtected;
  bool Elevated = true, FolderWritable = true, UninstallEntriesWritable = true;
  std::vector<std::string> FoldersAsked;
  ElevatedStart RestartAnswer = ElevatedStart::Started;
  int Restarts = 0;

 private:
  std::string root_;
};

void WriteDistributionList(const std::string& dist, const std::vector<std::string>& files);
// A value of an uninstall entry, "<no entry>" or "<no value>".
std::string UninstallEntryValue(const std::string& entry, const char* name);
// A value of the test program's uninstall entry.
inline std::string RegistryValue(const char* name) { return UninstallEntryValue(kName, name); }
// The names in a folder, "" when it is missing.
std::vector<std::string> NamesIn(const std::string& folder);

// A distribution folder "dist\Vorbelle" with a program, a read-me, a
// dictionary and their list; the program runs from there.
class Installer : public ::testing::Test {
 protected:
  Installer();
  ~Installer() override;
  // Installs with Yes to the question; the program then runs from there.
  void InstallAndRunInstalled();
  // Uninstalls with Yes; returns the final message.
  std::string UninstallAnsweringYes();

  ComScope com;
  FakePlatformScope platform;
  ScriptedErrorDialog errors;
  TempFolder folder;
  TestInstallerSystem system;
  std::string dist, target, programFile;
};

}  // namespace vb::test
