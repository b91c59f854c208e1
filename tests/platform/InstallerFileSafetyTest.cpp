// The file-system services the installer relies on to stay inside its own
// folders: identities of folders however they are spelt, volume roots, links on
// the way, the copy of listed files, and reading back shortcuts.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "core/errors/FunStat.h"
#include "core/base/Paths.h"
#include "platform/LinkReading.h"
#include "platform/win32/FolderIdentity.h"
#include "platform/win32/KnownFolders.h"
#include "platform/win32/ListedFileCopy.h"
#include "platform/win32/ReparsePoints.h"
#include "platform/win32/ShellLinks.h"
#include "support/FakePlatform.h"
#include "support/FolderLink.h"
#include "support/TempFolder.h"

namespace vb {
namespace {

TEST(FolderIdentity, OtherSpellingsOfAFolderAreTheSameFolder) {
  test::TempFolder folder;
  const std::string data = folder / "AppData";
  ::CreateDirectoryA(data.c_str(), nullptr);
  ::CreateDirectoryA((folder / "Other").c_str(), nullptr);
  std::vector<std::string> spellings{data + ".", data + "\\", folder / "Other\\..\\AppData", folder / ".\\AppData",
                                     "\\\\?\\" + data};
  char shortPath[MAX_PATH];
  const DWORD length = ::GetShortPathNameA(data.c_str(), shortPath, MAX_PATH);
  if (length > 0 && length < MAX_PATH) spellings.push_back(shortPath);
  for (const std::string& spelling : spellings) EXPECT_TRUE(IsSameByIdentity(spelling, data)) << spelling;
  EXPECT_FALSE(IsSameByIdentity(folder / "Other", data));
  EXPECT_FALSE(IsSameByIdentity(folder / "missing", folder / "missing")) << "what does not exist is nothing";

  char windows[MAX_PATH];
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  for (const std::string& root : {std::string(windows, 2) + "\\", std::string(windows) + "\\..", std::string(windows, 2) + "\\."})
    EXPECT_TRUE(IsVolumeRoot(root)) << root;
  EXPECT_FALSE(IsVolumeRoot(windows));
  EXPECT_FALSE(IsVolumeRoot(data));
}

TEST(FolderIdentity, TheKnownShellFoldersIncludeTheUsersOwn) {
  const std::vector<std::string> known = GetKnownShellFolders();
  char appData[MAX_PATH] = "";
  ::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  bool found = false;
  for (const std::string& folder : known) found = found || IsSameByIdentity(folder, appData);
  EXPECT_TRUE(found) << appData;
  EXPECT_GE(known.size(), 10u);
}

class ListedCopy : public ::testing::Test {
 protected:
  ListedCopy() {
    source = folder / "dist";
    target = folder / "Vorbelle";
    ::CreateDirectoryA(source.c_str(), nullptr);
    ::CreateDirectoryA((source + "\\Sub").c_str(), nullptr);
    test::WriteTextFile(source + "\\Install.exe", "program");
    test::WriteTextFile(source + "\\Sub\\a.txt", "a");
    test::WriteTextFile(source + "\\private.txt", "not listed");
  }
  test::FakePlatformScope platform;
  test::TempFolder folder;
  std::string source, target;
};

TEST_F(ListedCopy, CopiesTheListedFilesWritableAndSaysWhatItMade) {
  ::SetFileAttributesA((source + "\\Sub\\a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  const ListedCopyOutcome outcome = CopyListedFiles(source, target, {"Install.exe", "Sub\\a.txt", "missing.txt"});
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
  EXPECT_TRUE(outcome.MadeDestination);
  EXPECT_EQ(outcome.MadeFolders, std::vector<std::string>{"Sub"});
  EXPECT_EQ(outcome.CopiedFiles, (std::vector<std::string>{"Install.exe", "Sub\\a.txt"}));
  ASSERT_EQ(outcome.Problems.size(), 1u);
  EXPECT_NE(outcome.Problems[0].find("missing.txt"), std::string::npos);
  EXPECT_FALSE(PathExists(target + "\\private.txt"));
  EXPECT_EQ(::GetFileAttributesA((target + "\\Sub\\a.txt").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

  // Into the existing folder again: nothing is made now.
  const ListedCopyOutcome again = CopyListedFiles(source, target, {"Install.exe", "Sub\\a.txt"});
  EXPECT_FALSE(again.MadeDestination);
  EXPECT_TRUE(again.MadeFolders.empty());
  EXPECT_EQ(again.CopiedFiles.size(), 2u);
}

TEST_F(ListedCopy, NeverWritesThroughALinkInTheDestination) {
  const std::string elsewhere = folder / "elsewhere";
  ::CreateDirectoryA(elsewhere.c_str(), nullptr);
  ::CreateDirectoryA(target.c_str(), nullptr);
  test::ScopedFolderLink sub(target + "\\Sub", elsewhere);
  if (!sub.Made()) GTEST_SKIP() << "folder links cannot be made here";
  const ListedCopyOutcome outcome = CopyListedFiles(source, target, {"Install.exe", "Sub\\a.txt"});
  EXPECT_FALSE(PathExists(elsewhere + "\\a.txt"));
  EXPECT_EQ(outcome.CopiedFiles, std::vector<std::string>{"Install.exe"});
  EXPECT_EQ(LinkOnTheWay(target, "Sub\\a.txt", false), target + "\\Sub");
  EXPECT_EQ(LinkOnTheWay(target, "Sub", true), target + "\\Sub");
  EXPECT_EQ(LinkOnTheWay(target, "Sub", false), "");

  // A destination that is itself a link is refused whole.
  const std::string linked = folder / "linked";
  test::ScopedFolderLink linkedLink(linked, elsewhere);
  ASSERT_TRUE(linkedLink.Made());
  CopyListedFiles(source, linked, {"Install.exe"});
  EXPECT_EQ(GlobalFunStat.Description, "The directory is a link to another place.");
  EXPECT_FALSE(PathExists(elsewhere + "\\Install.exe"));
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, "Failed to process directory.");
}

TEST_F(ListedCopy, ADriveNameAsTheFolderNameIsRefusedWithTheBox) {
  // The copy of a distribution at a drive's root.
  CopyListedFiles(source, folder / "E:", {"Install.exe"});
  EXPECT_EQ(GlobalFunStat.Description, "Failed to create directory.");
  EXPECT_EQ(GlobalFunStat.SystemErrorCode, static_cast<std::uint32_t>(ERROR_INVALID_NAME));
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Caption, "Error");
}

TEST(ShellLinkTarget, IsReadBackFromTheLink) {
  test::ComScope com;
  test::FakePlatformScope platform;
  test::TempFolder folder;
  test::WriteTextFile(folder / "Vorbelle.exe", "program");
  CopyFileAsLink(folder / "Vorbelle.exe", folder / "Vorbelle.lnk", true, false, true, "");
  std::string target;
  ASSERT_TRUE(ReadLinkTarget(folder / "Vorbelle.lnk", target));
  EXPECT_TRUE(SameTextAscii(target, folder / "Vorbelle.exe")) << target;
  test::WriteTextFile(folder / "fake.lnk", "not a link");
  EXPECT_FALSE(ReadLinkTarget(folder / "fake.lnk", target));
  EXPECT_FALSE(ReadLinkTarget(folder / "missing.lnk", target));
}

}  // namespace
}  // namespace vb
