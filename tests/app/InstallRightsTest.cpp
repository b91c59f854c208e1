// When the installer restarts itself with administrator rights, and what the
// user is told when the rights are refused. The restart itself cannot happen
// under wine; the installer system stands in for it.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/InstallRights.h"
#include "app/InstallSteps.h"
#include "app/InstallerFixture.h"
#include "app/InstallPaths.h"
#include "core/base/Paths.h"
#include "platform/win32/Elevation.h"

namespace vb {
namespace {

using test::Installer;
using test::kName;
using test::kYes;

TEST(InstallRights, RestartOnlyWhenSomethingCannotBeWrittenWithoutTheRights) {
  EXPECT_FALSE(NeedsElevatedRestart(false, true, true));
  EXPECT_TRUE(NeedsElevatedRestart(false, false, true));
  EXPECT_TRUE(NeedsElevatedRestart(false, true, false));
  EXPECT_TRUE(NeedsElevatedRestart(false, false, false));
  // With the rights already there a restart would only loop.
  EXPECT_FALSE(NeedsElevatedRestart(true, false, false));
}

TEST(InstallRights, TheRestartKeepsTheArgumentsAndTheUninstallCommandNamesTheProgram) {
  EXPECT_EQ(ArgumentsOfCommandLine("\"C:\\Program Files\\Vorbelle\\Vorbelle.exe\" /Uninstall"), "/Uninstall");
  EXPECT_EQ(ArgumentsOfCommandLine("  C:\\Dist\\Install.exe   /a \"b c\""), "/a \"b c\"");
  EXPECT_EQ(ArgumentsOfCommandLine("Install.exe"), "");
  EXPECT_EQ(ProgramOfUninstallCommand("\"C:\\Program Files\\Vorbelle\\Vorbelle.exe\" /Uninstall"),
            "C:\\Program Files\\Vorbelle\\Vorbelle.exe");
  EXPECT_EQ(ProgramOfUninstallCommand("C:\\Games\\Vorbelle\\Vorbelle.exe /UNINSTALL"),
            "C:\\Games\\Vorbelle\\Vorbelle.exe");
  EXPECT_EQ(ProgramOfUninstallCommand("\"C:\\unterminated"), "");
}

TEST_F(Installer, WithoutWriteRightsTheInstallerRestartsElevatedBeforeAskingAnything) {
  system.Elevated = false;
  system.UninstallEntriesWritable = false;
  InstallProgram(kName, system.ProgramFilesPath());
  EXPECT_EQ(system.Restarts, 1);
  EXPECT_TRUE(platform->Boxes.empty()) << "the elevated copy asks the question";
  EXPECT_FALSE(PathExists(target));
  // The folder asked about is the nearest one that exists.
  ASSERT_EQ(system.FoldersAsked.size(), 1u);
  EXPECT_TRUE(SameTextAscii(AddPathDelimiter(system.FoldersAsked[0]), system.ProgramFilesPath()));

  // Refused: a clear message and nothing installed.
  system.FolderWritable = false;
  system.RestartAnswer = ElevatedStart::Declined;
  InstallProgram(kName, system.ProgramFilesPath());
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Caption, "Warning");
  EXPECT_EQ(platform->Boxes[0].Text, "The program cannot be installed in directory \"" +
                                         target.substr(0, target.size() - 1) +
                                         "\" without administrator rights, which were not given. Nothing was "
                                         "installed.");
  EXPECT_FALSE(PathExists(target));

  // The restart could not be started at all.
  platform->Boxes.clear();
  system.RestartAnswer = ElevatedStart::Failed;
  InstallProgram(kName, system.ProgramFilesPath());
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_NE(errors.Shown[0].Report.find("Failed to start the program with administrator rights."), std::string::npos);
  EXPECT_TRUE(platform->Boxes.empty());
  EXPECT_FALSE(PathExists(target));
}

TEST_F(Installer, WithTheRightsOrNothingToWriteTheInstallationGoesOn) {
  system.Elevated = true;
  system.FolderWritable = false;
  system.UninstallEntriesWritable = false;
  platform->Answers = {kYes};
  InstallProgram(kName, system.ProgramFilesPath());
  EXPECT_EQ(system.Restarts, 0);
  EXPECT_TRUE(PathExists(programFile));

  system.Elevated = false;
  system.FolderWritable = true;
  system.UninstallEntriesWritable = true;
  platform->Boxes.clear();
  platform->Answers = {kYes};
  InstallProgram(kName, system.ProgramFilesPath());
  EXPECT_EQ(system.Restarts, 0);
  EXPECT_EQ(platform->Boxes.size(), 1u);
}

TEST_F(Installer, UninstallRestartsElevatedTooAndARefusalDeletesNothing) {
  InstallAndRunInstalled();
  system.Elevated = false;
  system.FolderWritable = false;
  system.RestartAnswer = ElevatedStart::Declined;
  platform->Answers = {kYes, 1};
  ExecuteInstaller(kName, target);
  EXPECT_EQ(system.Restarts, 1);
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, "The program cannot be uninstalled from directory \"" + target +
                                         "\" without administrator rights, which were not given. Nothing was "
                                         "deleted.");
  EXPECT_TRUE(PathExists(programFile));
  EXPECT_TRUE(PathExists(system.DesktopPath() + kName + ".lnk"));
}

}  // namespace
}  // namespace vb
