// The installer's names and decisions, and whole installs and uninstalls into
// test folders (desktop, programs menu and program files are redirected; the
// registry is the test prefix's own).
#include <windows.h>

#include <gtest/gtest.h>

#include "app/InstallMode.h"
#include "app/InstallPaths.h"
#include "app/InstallSteps.h"
#include "app/InstallerFixture.h"
#include "core/errors/FunStat.h"
#include "core/base/Paths.h"
#include "platform/win32/Handles.h"
#include "platform/win32/UninstallRegistry.h"
#include "support/FakePlatform.h"

namespace vb {
namespace {

using test::Installer;
using test::kName;
using test::kNo;
using test::kYes;
using test::RegistryValue;
using test::TestInstallerSystem;

TEST(InstallPaths, NamesFollowTheDistributionFolderAndTheChosenParent) {
  InstallPaths paths = ComputeInstallPaths("D:\\Dist\\Vorbelle\\", "C:\\Programs\\", "Vorbelle");
  EXPECT_EQ(paths.FolderName, "Vorbelle");
  EXPECT_EQ(paths.Target, "C:\\Programs\\Vorbelle");
  EXPECT_EQ(paths.ProgramFile, "C:\\Programs\\Vorbelle\\Vorbelle.exe");
  EXPECT_EQ(paths.UninstallCommand, "C:\\Programs\\Vorbelle\\Vorbelle.exe /Uninstall");
  EXPECT_EQ(paths.ReadmeFile, "C:\\Programs\\Vorbelle\\Readme.txt");

  // A parent without its delimiter gets one; a path with blanks is quoted.
  paths = ComputeInstallPaths("D:\\Vorbelle 2\\", "C:\\Program Files", "Vorbelle");
  EXPECT_EQ(paths.Target, "C:\\Program Files\\Vorbelle 2");
  EXPECT_EQ(paths.UninstallCommand, "\"C:\\Program Files\\Vorbelle 2\\Vorbelle.exe\" /Uninstall");

  // From a drive root the folder name is the drive itself.
  paths = ComputeInstallPaths("E:\\", "C:\\Programs\\", "Vorbelle");
  EXPECT_EQ(paths.FolderName, "E:");
  EXPECT_EQ(paths.Target, "C:\\Programs\\E:");
}

TEST(InstallMode, FileNameOrUninstallArgumentInAnyCase) {
  test::FakePlatformScope platform;
  platform->FixedProgramPath = "C:\\Dist\\Vorbelle\\INSTALL.EXE";
  EXPECT_TRUE(IsInstallerMode());
  EXPECT_FALSE(IsUninstallRequest());

  platform->FixedProgramPath = "C:\\Programs\\Vorbelle\\Vorbelle.exe";
  EXPECT_FALSE(IsInstallerMode());
  platform->Parameters = {"/uNINSTALL"};
  EXPECT_TRUE(IsInstallerMode());
  EXPECT_TRUE(IsUninstallRequest());
  platform->Parameters = {"/Uninstall2"};
  EXPECT_FALSE(IsInstallerMode());
  platform->Parameters = {"game.vbg", "/Uninstall"};
  EXPECT_FALSE(IsInstallerMode());
}

TEST_F(Installer, InstallCopiesMakesShortcutsAndEntryAndStartsTheProgram) {
  platform->Answers = {kYes};
  ExecuteInstaller(kName, system.ProgramFilesPath());

  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Caption, "Query");
  EXPECT_EQ(platform->Boxes[0].Text, "Install the program in directory \"" + target.substr(0, target.size() - 1) + "\"?");
  EXPECT_TRUE(errors.Shown.empty()) << errors.Shown[0].Report;
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);

  EXPECT_EQ(test::ReadTextFile(programFile), "program");
  EXPECT_FALSE(PathExists(target + "Install.exe"));
  EXPECT_EQ(test::ReadTextFile(target + "VorbelleDictionaries\\English.vbd"), "dictionary");
  EXPECT_TRUE(PathExists(dist + "Install.exe")) << "the distribution folder stays as it was";

  test::LinkContents desktop = test::ReadLink(system.DesktopPath() + kName + ".lnk");
  EXPECT_TRUE(SameTextAscii(desktop.Target, programFile)) << desktop.Target;
  EXPECT_TRUE(SameTextAscii(AddPathDelimiter(desktop.WorkingDirectory), target)) << desktop.WorkingDirectory;
  const std::string menu = system.ProgramsMenuPath() + "Vorbelle\\";
  test::LinkContents program = test::ReadLink(menu + kName + ".lnk");
  EXPECT_TRUE(SameTextAscii(program.Target, programFile)) << program.Target;
  EXPECT_EQ(program.Arguments, "");
  test::LinkContents uninstall = test::ReadLink(menu + "Uninstall.lnk");
  EXPECT_TRUE(SameTextAscii(uninstall.Target, programFile)) << uninstall.Target;
  EXPECT_EQ(uninstall.Arguments, "/Uninstall");
  EXPECT_TRUE(SameTextAscii(AddPathDelimiter(uninstall.WorkingDirectory), target));
  test::LinkContents readme = test::ReadLink(menu + "Readme.lnk");
  EXPECT_TRUE(SameTextAscii(readme.Target, target + "Readme.txt")) << readme.Target;

  EXPECT_EQ(RegistryValue("DisplayName"), kName);
  EXPECT_EQ(RegistryValue("UninstallString"), "\"" + programFile + "\" /Uninstall");
  ASSERT_EQ(system.Started.size(), 1u);
  EXPECT_EQ(system.Started[0], programFile);
}

TEST_F(Installer, AnsweringNoChangesNothing) {
  platform->Answers = {kNo};
  InstallProgram(kName, system.ProgramFilesPath());
  EXPECT_FALSE(PathExists(target));
  EXPECT_FALSE(PathExists(system.DesktopPath() + kName + ".lnk"));
  EXPECT_EQ(RegistryValue("DisplayName"), "<no entry>");
  EXPECT_TRUE(system.Started.empty());
  EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(Installer, EmptyFolderIsRefusedWithAWarning) {
  ExecuteInstaller(kName, "");
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Caption, "Warning");
  EXPECT_EQ(platform->Boxes[0].Text, "(Un)Installation directory is empty.");
  EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(Installer, ReinstallReplacesAReadOnlyProgramAndKeepsTheOptions) {
  ::CreateDirectoryA(target.c_str(), nullptr);
  test::WriteTextFile(programFile, "old program");
  ::SetFileAttributesA(programFile.c_str(), FILE_ATTRIBUTE_READONLY);
  test::WriteTextFile(target + "Vorbelle.ini", "options");

  platform->Answers = {kYes};
  InstallProgram(kName, system.ProgramFilesPath());
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_EQ(test::ReadTextFile(programFile), "program");
  EXPECT_EQ(test::ReadTextFile(target + "Vorbelle.ini"), "options");
  EXPECT_EQ(system.Started.size(), 1u);
}

TEST_F(Installer, WithoutItsFileListNothingIsInstalledAndTheWarningSaysWhy) {
  // A folder with the program but no list, and a drive root where nothing is.
  ::DeleteFileA((dist + "Install.lst").c_str());
  for (const std::string& program : {dist + "Install.exe", std::string("Q:\\Install.exe")}) {
    platform->FixedProgramPath = program;
    platform->Boxes.clear();
    platform->Answers = {kYes};
    InstallProgram(kName, system.ProgramFilesPath());
    ASSERT_EQ(platform->Boxes.size(), 1u) << program << ": no question is asked";
    EXPECT_EQ(platform->Boxes[0].Caption, "Warning");
    EXPECT_EQ(platform->Boxes[0].Text, "The list of the program's files, \"Install.lst\", is missing or damaged in "
                                       "directory \"" + GetPathPart(program) + "\". Nothing was installed.");
    EXPECT_TRUE(errors.Shown.empty());
    EXPECT_FALSE(PathExists(target));
    EXPECT_FALSE(PathExists(system.ProgramFilesPath() + "Q:"));
    EXPECT_FALSE(PathExists(system.DesktopPath() + kName + ".lnk"));
    EXPECT_EQ(RegistryValue("DisplayName"), "<no entry>");
    EXPECT_TRUE(system.Started.empty());
  }
}

TEST_F(Installer, AFailedStartIsReportedAfterAFullInstallation) {
  class FailingStart : public TestInstallerSystem {
   public:
    using TestInstallerSystem::TestInstallerSystem;
    void StartProgram(const std::string& file) override {
      GlobalFunStat.Raise("RunFile.cpp", "RunFile", 1, StatusError, "Failed to run file.", file);
    }
  } failing(folder.Path());
  SetInstallerSystem(&failing);
  platform->Answers = {kYes};
  InstallProgram(kName, failing.ProgramFilesPath());
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_NE(errors.Shown[0].Report.find("Failed to run file."), std::string::npos);
  EXPECT_TRUE(PathExists(programFile));
  EXPECT_EQ(RegistryValue("DisplayName"), kName);
}

TEST_F(Installer, UninstallRemovesFolderShortcutsAndEntry) {
  platform->Answers = {kYes};
  InstallProgram(kName, system.ProgramFilesPath());
  ASSERT_TRUE(PathExists(programFile));

  // Now the installed program runs with "/Uninstall".
  platform->FixedProgramPath = programFile;
  platform->Parameters = {"/UNINSTALL"};
  platform->Boxes.clear();
  platform->Answers = {kYes, 1};
  ExecuteInstaller(kName, target);

  ASSERT_EQ(platform->Boxes.size(), 2u);
  EXPECT_EQ(platform->Boxes[0].Text, "Delete directory \"" + target + "\" (and all contained files)?");
  EXPECT_EQ(platform->Boxes[1].Caption, "Message");
  EXPECT_EQ(platform->Boxes[1].Text, "Uninstallation successful. Some files that were in use were not deleted.");
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_FALSE(PathExists(target));
  EXPECT_FALSE(PathExists(system.DesktopPath() + kName + ".lnk"));
  EXPECT_FALSE(PathExists(system.ProgramsMenuPath() + "Vorbelle"));
  EXPECT_TRUE(PathExists(system.ProgramsMenuPath())) << "only the program's own menu folder goes";
  EXPECT_EQ(RegistryValue("DisplayName"), "<no entry>");
}

TEST_F(Installer, UninstallAnsweredNoKeepsEverything) {
  platform->Answers = {kYes};
  InstallProgram(kName, system.ProgramFilesPath());
  platform->FixedProgramPath = programFile;
  platform->Parameters = {"/Uninstall"};
  platform->Answers = {kNo};
  ExecuteInstaller(kName, target);
  EXPECT_TRUE(PathExists(programFile));
  EXPECT_TRUE(PathExists(system.DesktopPath() + kName + ".lnk"));
  EXPECT_EQ(RegistryValue("DisplayName"), kName);
}

TEST_F(Installer, UninstallRefusesDriveRootsAndSystemFolders) {
  platform->Parameters = {"/Uninstall"};
  for (const std::string& directory : {std::string("C:\\"), system.ProgramFilesPath(), system.DesktopPath()}) {
    test::WriteTextFile(system.DesktopPath() + "keep.txt", "x");
    platform->FixedProgramPath = directory + "Vorbelle.exe";
    platform->Boxes.clear();
    errors.Shown.clear();
    ExecuteInstaller(kName, directory);
    EXPECT_TRUE(platform->Boxes.empty()) << directory << ": no question is asked";
    ASSERT_EQ(errors.Shown.size(), 1u) << directory;
    EXPECT_EQ(errors.Shown[0].FailureText, "Failed to uninstall program.");
    EXPECT_TRUE(PathExists(system.DesktopPath() + "keep.txt"));
  }
}

}  // namespace
}  // namespace vb
