// Shortcuts written through the shell-link object and read back, and the
// parameter text of started files.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/errors/FunStat.h"
#include "core/base/Paths.h"
#include "platform/win32/RunFile.h"
#include "platform/win32/ShellLinks.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/TempFolder.h"
#include "LinkReading.h"

namespace vb {
namespace {

class ShellLinks : public ::testing::Test {
 protected:
  test::ComScope com;
  test::FakePlatformScope platform;
  test::TempFolder folder;
};

TEST_F(ShellLinks, LinkCarriesTargetArgumentsWorkingFolderAndShowCommand) {
  const std::string target = folder / "Game.exe";
  test::WriteTextFile(target, "MZ");
  const std::string link = folder / "Game.lnk";

  CopyFileAsLink(target, link, true, true, true, "/x y");
  ASSERT_EQ(GlobalFunStat.Status, StatusPerfect) << GlobalFunStat.Description;
  test::LinkContents read = test::ReadLink(link);
  ASSERT_TRUE(read.Loaded);
  EXPECT_TRUE(SameTextAscii(read.Target, target)) << read.Target;
  EXPECT_EQ(read.Arguments, "/x y");
  EXPECT_TRUE(SameTextAscii(AddPathDelimiter(read.WorkingDirectory), folder.Path())) << read.WorkingDirectory;
  EXPECT_EQ(read.ShowCommand, SW_SHOWMINNOACTIVE);

  const std::string uninstall = folder / "Uninstall.lnk";
  CopyFileAsLinkWithParam(target, uninstall, "/Uninstall", true);
  read = test::ReadLink(uninstall);
  ASSERT_TRUE(read.Loaded);
  EXPECT_EQ(read.Arguments, "/Uninstall");
  EXPECT_TRUE(SameTextAscii(AddPathDelimiter(read.WorkingDirectory), folder.Path())) << read.WorkingDirectory;
  EXPECT_NE(read.ShowCommand, SW_SHOWMINNOACTIVE);
}

TEST_F(ShellLinks, ExistingLinkIsKeptWithoutOverwrite) {
  const std::string target = folder / "Readme.txt";
  test::WriteTextFile(target, "text");
  const std::string link = folder / "Readme.lnk";
  CopyFileAsLink(target, link, true, false, false, "first");
  CopyFileAsLink(target, link, false, false, false, "second");
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
  EXPECT_EQ(test::ReadLink(link).Arguments, "first");
  CopyFileAsLink(target, link, true, false, false, "third");
  EXPECT_EQ(test::ReadLink(link).Arguments, "third");
}

TEST_F(ShellLinks, LinkToALinkIsRefusedAndNothingIsWritten) {
  const std::string link = folder / "Chain.lnk";
  for (const char* target : {"Other.LNK", "Old.pif"}) {
    CopyFileAsLink(folder / target, link, true, false, false, "");
    EXPECT_EQ(GlobalFunStat.Status, StatusError);
    EXPECT_EQ(GlobalFunStat.Description, "This operating system does not support chained links.");
    EXPECT_EQ(GlobalFunStat.Parameter1, link);
    EXPECT_EQ(GlobalFunStat.FunctionName, "TLinkFile::Save");
    EXPECT_FALSE(PathExists(link));
  }
}

TEST_F(ShellLinks, FailedSaveResetsTheObjectAndNamesTheStep) {
  TLinkFile link;
  link.ReferencePath = folder / "Game.exe";
  link.Arguments = "/a";
  link.Save(folder / "missing folder\\Game.lnk", true);
  EXPECT_EQ(GlobalFunStat.Status, StatusError);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to save link file.");
  EXPECT_NE(GlobalFunStat.SystemErrorCode, 0u);
  EXPECT_TRUE(link.ReferencePath.empty());
  EXPECT_TRUE(link.Arguments.empty());
}

TEST_F(ShellLinks, TextFilesAndWindowsProgramsGetLnk) {
  const std::string text = folder / "Readme.txt";
  test::WriteTextFile(text, "text");
  char self[MAX_PATH];
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  EXPECT_EQ(GetLinkExtension(text), ".lnk");
  EXPECT_EQ(GetLinkExtension(self), ".lnk");
  EXPECT_EQ(GetLinkExtension(folder / "missing.exe"), ".lnk");
}

TEST(RunFileParameters, QuotedOrPlainAfterOneBlank) {
  EXPECT_EQ(RunFileParameters("/Uninstall", true), " \"/Uninstall\"");
  EXPECT_EQ(RunFileParameters("/Uninstall", false), " /Uninstall");
  EXPECT_EQ(RunFileParameters("a b", false), " a b");
  EXPECT_EQ(RunFileParameters("", true), "");
  EXPECT_EQ(RunFileParameters("", false), "");
}

TEST_F(ShellLinks, RunFileWithoutAFileDoesNothingAndAMissingFileFails) {
  RunFile("", "/x", "", true, false);
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);

  const std::string missing = folder / "missing.exe";
  RunFile(missing, "", "", true, false);
  EXPECT_EQ(GlobalFunStat.Status, StatusError);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to run file.");
  EXPECT_EQ(GlobalFunStat.Parameter1, missing);
  EXPECT_NE(GlobalFunStat.SystemErrorCode, 0u);
}

TEST_F(ShellLinks, OpenSiteReportsAMissingPageItselfAndLeavesNoFailure) {
  test::ScriptedErrorDialog dialog;
  OpenSite(folder / "missing.txt", "Failed to open site.");
  ASSERT_EQ(dialog.Shown.size(), 1u);
  EXPECT_EQ(dialog.Shown[0].FailureText, "Failed to open site.");
  EXPECT_NE(dialog.Shown[0].Report.find("Failed to run file."), std::string::npos);
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
}

}  // namespace
}  // namespace vb
