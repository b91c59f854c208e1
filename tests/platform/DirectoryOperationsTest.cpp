// Rename with replace, recursive delete and recursive copy on real folders.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/errors/FunStat.h"
#include "core/base/Paths.h"
#include "platform/win32/DirectoryOperations.h"
#include "support/FakePlatform.h"
#include "support/FolderLink.h"
#include "support/TempFolder.h"

namespace vb {
namespace {

class DirectoryOperations : public ::testing::Test {
 protected:
  test::FakePlatformScope platform;
  test::TempFolder folder;

  std::string MakeFolder(const std::string& name) {
    std::string path = folder / name;
    ::CreateDirectoryA(path.c_str(), nullptr);
    return path;
  }
};

// Hides a file; true when the file system keeps the attribute.
bool Hide(const std::string& path) {
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(DirectoryOperations, RenameReplacesAReadOnlyTargetOnlyWhenAllowed) {
  const std::string oldName = folder / "Install.exe", newName = folder / "Vorbelle.exe";
  test::WriteTextFile(oldName, "new program");
  test::WriteTextFile(newName, "old program");
  ::SetFileAttributesA(newName.c_str(), FILE_ATTRIBUTE_READONLY);

  EXPECT_FALSE(MyRenameFile(oldName, newName, false));
  EXPECT_EQ(GlobalFunStat.Status, StatusError);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to rename.");
  EXPECT_EQ(GlobalFunStat.Parameter1, oldName);
  EXPECT_EQ(GlobalFunStat.Parameter2, newName);
  EXPECT_EQ(test::ReadTextFile(newName), "old program");

  EXPECT_TRUE(MyRenameFile(oldName, newName, true));
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
  EXPECT_EQ(test::ReadTextFile(newName), "new program");
  EXPECT_FALSE(PathExists(oldName));
}

TEST_F(DirectoryOperations, RenameOntoTheSameFileDeletesNothing) {
  const std::string name = folder / "Vorbelle.exe";
  test::WriteTextFile(name, "program");
  std::string otherCase = folder / "VORBELLE.EXE";
  MyRenameFile(name, otherCase, true);
  ASSERT_TRUE(PathExists(name));
  EXPECT_EQ(test::ReadTextFile(name), "program");
  PrepareTargetFile(name, name, true);
  EXPECT_TRUE(PathExists(name));
}

TEST_F(DirectoryOperations, DeleteOfAMissingFolderIsReportedAndAnEmptyOneGoesQuietly) {
  const std::string missing = folder / "missing";
  DeleteDirectoryNoErrors(missing);
  EXPECT_EQ(GlobalFunStat.Status, StatusError);
  EXPECT_EQ(GlobalFunStat.Description, "Can not find directory.");
  EXPECT_EQ(GlobalFunStat.Parameter1, missing);

  const std::string empty = MakeFolder("empty");
  DeleteDirectoryNoErrors(empty);
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
  EXPECT_FALSE(PathExists(empty));
}

TEST_F(DirectoryOperations, DeleteRemovesATreeWithReadOnlyAndHiddenFiles) {
  const std::string root = MakeFolder("Vorbelle");
  MakeFolder("Vorbelle\\VorbelleGames");
  MakeFolder("Vorbelle\\VorbelleGames\\Old");
  test::WriteTextFile(root + "\\Vorbelle.exe", "x");
  test::WriteTextFile(root + "\\VorbelleGames\\a.vbg", "x");
  test::WriteTextFile(root + "\\VorbelleGames\\Old\\b.vbg", "x");
  test::WriteTextFile(root + "\\hidden.txt", "x");
  Hide(root + "\\hidden.txt");
  ::SetFileAttributesA((root + "\\Vorbelle.exe").c_str(), FILE_ATTRIBUTE_READONLY);

  DeleteDirectoryNoErrors(root);
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect) << GlobalFunStat.Description;
  EXPECT_FALSE(PathExists(root));
}

TEST_F(DirectoryOperations, DeleteLeavesAFileInUseAndItsFolders) {
  const std::string root = MakeFolder("Vorbelle");
  MakeFolder("Vorbelle\\Sub");
  const std::string busy = root + "\\Sub\\busy.txt";
  test::WriteTextFile(busy, "x");
  test::WriteTextFile(root + "\\free.txt", "x");
  HANDLE open = ::CreateFileA(busy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);

  DeleteDirectoryNoErrors(root);
  ::CloseHandle(open);
  EXPECT_TRUE(PathExists(busy));
  EXPECT_FALSE(PathExists(root + "\\free.txt"));
}

TEST_F(DirectoryOperations, CopyOverAnExistingTreeSkipsHiddenEntries) {
  const std::string source = MakeFolder("dist");
  MakeFolder("dist\\VorbelleDictionaries");
  MakeFolder("dist\\Secret");
  test::WriteTextFile(source + "\\Install.exe", "program");
  test::WriteTextFile(source + "\\VorbelleDictionaries\\English.vbd", "dictionary");
  test::WriteTextFile(source + "\\.hidden", "dot files count as hidden");
  test::WriteTextFile(source + "\\desktop.ini", "hidden");
  const bool hiddenKept = Hide(source + "\\desktop.ini") && Hide(source + "\\Secret");

  const std::string target = MakeFolder("Programs");
  test::WriteTextFile(target + "\\Install.exe", "old");
  ::SetFileAttributesA((target + "\\Install.exe").c_str(), FILE_ATTRIBUTE_READONLY);
  test::WriteTextFile(target + "\\Vorbelle.ini", "options");

  CopyDeleteDirectory(source, target, true);
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect) << GlobalFunStat.Description;
  EXPECT_TRUE(platform->Boxes.empty());
  EXPECT_EQ(test::ReadTextFile(target + "\\Install.exe"), "program");
  EXPECT_EQ(test::ReadTextFile(target + "\\VorbelleDictionaries\\English.vbd"), "dictionary");
  EXPECT_EQ(test::ReadTextFile(target + "\\Vorbelle.ini"), "options");
  EXPECT_FALSE(PathExists(target + "\\.hidden"));
  if (hiddenKept) {
    EXPECT_FALSE(PathExists(target + "\\desktop.ini"));
    EXPECT_FALSE(PathExists(target + "\\Secret"));
  }
  EXPECT_TRUE(PathExists(source + "\\Install.exe"));
}

TEST_F(DirectoryOperations, MoveDeletesTheSourceFiles) {
  const std::string source = MakeFolder("from");
  MakeFolder("from\\sub");
  test::WriteTextFile(source + "\\a.txt", "a");
  test::WriteTextFile(source + "\\sub\\b.txt", "b");
  const std::string target = folder / "to";

  CopyDeleteDirectory(source, target, false);
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
  EXPECT_TRUE(PathExists(target + "\\sub"));
  EXPECT_FALSE(PathExists(source));
}

TEST_F(DirectoryOperations, ACopyIntoItselfStopsAtOneLevel) {
  const std::string source = MakeFolder("dist");
  test::WriteTextFile(source + "\\Install.exe", "program");
  const std::string target = source + "\\dist";

  CopyDeleteDirectory(source, target, true);
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
  EXPECT_EQ(test::ReadTextFile(target + "\\Install.exe"), "program");
  EXPECT_FALSE(PathExists(target + "\\dist"));
  EXPECT_TRUE(platform->Boxes.empty());
}

TEST_F(DirectoryOperations, AFailedLevelShowsTheBoxAndKeepsItsError) {
  const std::string source = MakeFolder("dist");
  CopyDeleteDirectory(source, "", true);
  EXPECT_EQ(GlobalFunStat.Description, "Empty destination name.");
  EXPECT_EQ(GlobalFunStat.Parameter1, source);

  CopyDeleteDirectory(source, folder / "missing\\deeper", true);
  EXPECT_EQ(GlobalFunStat.Status, StatusError);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to create directory.");
  EXPECT_EQ(GlobalFunStat.Parameter2, folder / "missing\\deeper");
  EXPECT_NE(GlobalFunStat.SystemErrorCode, 0u);
  ASSERT_EQ(platform->Boxes.size(), 2u);
  EXPECT_EQ(platform->Boxes[1].Caption, "Error");
  EXPECT_EQ(platform->Boxes[1].Text, "Failed to process directory.");
  EXPECT_EQ(platform->Boxes[1].Style, 0x11u);

  // A drive name below a folder (the copy of a drive root) is refused before
  // anything is created or listed.
  CopyDeleteDirectory(source, folder / "D:", true);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to create directory.");
  EXPECT_EQ(GlobalFunStat.SystemErrorCode, static_cast<std::uint32_t>(ERROR_INVALID_NAME));
  EXPECT_FALSE(PathExists(folder / "D:"));
  EXPECT_EQ(platform->Boxes.size(), 3u);
}

TEST_F(DirectoryOperations, WhatALinkedFolderPointsToIsNeitherDeletedNorCopied) {
  const std::string elsewhere = MakeFolder("elsewhere");
  test::WriteTextFile(elsewhere + "\\keep.txt", "precious");
  const std::string root = MakeFolder("Vorbelle");
  test::WriteTextFile(root + "\\Vorbelle.exe", "program");
  test::ScopedFolderLink inner(root + "\\link", elsewhere);
  const std::string outer = folder / "outer";
  test::ScopedFolderLink outerLink(outer, root);
  if (!inner.Made() || !outerLink.Made()) GTEST_SKIP() << "folder links cannot be made here";

  const std::string copy = folder / "copy";
  CopyDeleteDirectory(root, copy, true);
  EXPECT_TRUE(PathExists(copy + "\\Vorbelle.exe"));
  EXPECT_FALSE(PathExists(copy + "\\link"));

  // Deleting the link to the whole folder leaves the folder; deleting the
  // folder leaves what its link points to.
  DeleteDirectoryNoErrors(outer);
  EXPECT_TRUE(PathExists(root + "\\Vorbelle.exe"));
  DeleteDirectoryNoErrors(root);
  EXPECT_EQ(test::ReadTextFile(elsewhere + "\\keep.txt"), "precious");
}

}  // namespace
}  // namespace vb
