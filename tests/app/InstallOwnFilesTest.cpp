// The installer touches only what is its own: it copies the listed files and
// nothing else, records what it made, and uninstalling removes exactly that and
// the game's own files, never the user's files or anything behind a link.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/InstallerFixture.h"
#include "app/InstallSteps.h"
#include "core/errors/FunStat.h"
#include "core/store/InstallRecord.h"
#include "core/base/Paths.h"
#include "platform/win32/ShellLinks.h"
#include "platform/win32/UninstallRegistry.h"
#include "support/FolderLink.h"

namespace vb {
namespace {

using test::Installer;
using test::kName;
using test::kYes;
using test::NamesIn;
using test::ReadTextFile;
using test::RegistryValue;
using test::WriteTextFile;

const std::string kBaseMessage = "Uninstallation successful. Some files that were in use were not deleted.";

bool IsReadOnly(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

TEST_F(Installer, OnlyTheListedFilesAreCopiedWritableAndRecorded) {
  // What a Downloads folder holds beside the installer.
  WriteTextFile(dist + "Private notes.txt", "mine");
  ::CreateDirectoryA((dist + "Photos").c_str(), nullptr);
  WriteTextFile(dist + "Photos\\me.jpg", "mine");
  WriteTextFile(dist + "VorbelleDictionaries\\Mine.vbd", "not listed");
  // A source on a CD or a read-only share.
  ::SetFileAttributesA((dist + "Readme.txt").c_str(), FILE_ATTRIBUTE_READONLY);

  platform->Answers = {kYes};
  InstallProgram(kName, system.ProgramFilesPath());
  EXPECT_TRUE(errors.Shown.empty()) << errors.Shown[0].Report;
  std::vector<std::string> names = NamesIn(target);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Readme.txt", "Uninstall.lst", "VorbelleDictionaries",
                                             kName + std::string(".exe")}));
  EXPECT_EQ(NamesIn(target + "VorbelleDictionaries"), std::vector<std::string>{"English.vbd"});
  EXPECT_FALSE(IsReadOnly(target + "Readme.txt")) << "a read-only source gives a writable copy";

  const ParsedInstallRecord record = ParseInstallRecord(ReadTextFile(target + kInstallRecordName));
  ASSERT_TRUE(record.Valid);
  EXPECT_TRUE(record.Problems.empty());
  EXPECT_TRUE(record.Record.MadeInstallationFolder);
  EXPECT_EQ(record.Record.MadeFolders, std::vector<std::string>{"VorbelleDictionaries"});
  EXPECT_EQ(record.Record.Files, (std::vector<std::string>{kName + std::string(".exe"), "Readme.txt",
                                                           "VorbelleDictionaries\\English.vbd"}));
  EXPECT_EQ(record.Record.MenuFolder, "Vorbelle");
  EXPECT_TRUE(record.Record.MadeMenuFolder);
  EXPECT_EQ(record.Record.MenuLinks.size(), 3u);
  EXPECT_EQ(record.Record.DesktopLink, kName + std::string(".lnk"));
  EXPECT_EQ(record.Record.UninstallEntry, kName);
}

TEST_F(Installer, AListThatNamesPlacesOutsideIsNotFollowed) {
  WriteTextFile(folder / "outside.txt", "elsewhere");
  test::WriteDistributionList(dist, {"Install.exe", "..\\..\\outside.txt", "C:\\Windows\\win.ini", "Readme.txt",
                                     "Vorbelle.ini"});
  WriteTextFile(dist + "Vorbelle.ini", "the distributor's options");
  platform->Answers = {kYes};
  InstallProgram(kName, system.ProgramFilesPath());
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_TRUE(PathExists(programFile));
  EXPECT_FALSE(PathExists(system.ProgramFilesPath() + "outside.txt"));
  EXPECT_FALSE(PathExists(target + "Vorbelle.ini")) << "a reinstallation keeps the options; none is copied";
  const std::string log = ReadTextFile(target + "Errors.log");
  EXPECT_NE(log.find("..\\..\\outside.txt"), std::string::npos) << log;
  EXPECT_NE(log.find("C:\\Windows\\win.ini"), std::string::npos) << log;
  EXPECT_NE(log.find("Vorbelle.ini not copied"), std::string::npos) << log;
}

TEST_F(Installer, ASystemFolderIsNeverTheInstallationFolderWhateverItsSpelling) {
  // The distribution folder has the name of a protected folder beside the
  // chosen parent; the parent is spelt in a roundabout way.
  const std::string desktopDist = folder / "dist\\Desktop\\";
  ::CreateDirectoryA(desktopDist.c_str(), nullptr);
  WriteTextFile(desktopDist + "Install.exe", "program");
  test::WriteDistributionList(desktopDist, {"Install.exe"});
  platform->FixedProgramPath = desktopDist + "Install.exe";
  for (const std::string& parent : {folder.Path(), folder / "Programs\\..\\", folder / "Programs\\..\\.\\"}) {
    platform->Boxes.clear();
    InstallProgram(kName, parent);
    ASSERT_EQ(platform->Boxes.size(), 1u) << parent;
    EXPECT_EQ(platform->Boxes[0].Caption, "Warning");
    EXPECT_NE(platform->Boxes[0].Text.find("the program will not be installed in it"), std::string::npos);
    EXPECT_FALSE(PathExists(system.DesktopPath() + "Install.exe"));
    EXPECT_FALSE(PathExists(system.DesktopPath() + kName + ".exe"));
  }
}

TEST_F(Installer, UninstallKeepsTheUsersFilesAndSaysWhichFolderStayed) {
  InstallAndRunInstalled();
  // The game's own files, and the user's.
  WriteTextFile(target + "Vorbelle.ini", "options");
  WriteTextFile(target + "Errors.log", "log");
  WriteTextFile(target + "VorbelleStats.ini", "records");
  WriteTextFile(target + "VorbelleStats.bad", "damaged records");
  WriteTextFile(target + "VorbelleSettings.ini", "view settings");
  ::CreateDirectoryA((target + "VorbelleGames").c_str(), nullptr);
  WriteTextFile(target + "VorbelleGames\\game.vbg", "game");
  WriteTextFile(target + "VorbelleGames\\game.vbg.vbtmp", "interrupted save");
  WriteTextFile(target + "VorbelleDictionaries\\English.txt", "words");
  WriteTextFile(target + "VorbelleDictionaries\\Mine.vbd", "a dictionary of my own");
  WriteTextFile(target + "note.txt", "my note");
  WriteTextFile(target + "VorbelleGames\\list.doc", "my list");

  EXPECT_EQ(UninstallAnsweringYes(), kBaseMessage + "\r\nThe directory \"" + target +
                                         "\" was kept: it holds files that were not installed with the program.");
  EXPECT_EQ(ReadTextFile(target + "note.txt"), "my note");
  EXPECT_EQ(ReadTextFile(target + "VorbelleGames\\list.doc"), "my list");
  std::vector<std::string> names = NamesIn(target);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"VorbelleGames", "note.txt"}));
  EXPECT_EQ(NamesIn(target + "VorbelleGames"), std::vector<std::string>{"list.doc"});
  EXPECT_FALSE(PathExists(system.DesktopPath() + kName + ".lnk"));
  EXPECT_FALSE(PathExists(system.ProgramsMenuPath() + "Vorbelle"));
  EXPECT_EQ(RegistryValue("DisplayName"), "<no entry>");
}

TEST_F(Installer, AnInstallationFolderThatExistedBeforeStaysWhenEmptied) {
  ::CreateDirectoryA(target.c_str(), nullptr);
  InstallAndRunInstalled();
  EXPECT_EQ(UninstallAnsweringYes(), kBaseMessage);
  EXPECT_TRUE(PathExists(target));
  EXPECT_TRUE(NamesIn(target).empty());
}

TEST_F(Installer, ACopyTheInstallerDidNotMakeDeletesNothing) {
  // A stray copy of the program with the user's files beside it.
  const std::string stray = folder / "Stray\\";
  ::CreateDirectoryA(stray.c_str(), nullptr);
  WriteTextFile(stray + kName + ".exe", "program");
  WriteTextFile(stray + "Vorbelle.ini", "options");
  WriteTextFile(stray + "thesis.doc", "a year of work");
  platform->FixedProgramPath = stray + kName + ".exe";
  platform->Parameters = {"/Uninstall"};
  platform->Answers = {kYes, 1};
  ExecuteInstaller(kName, stray);
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Caption, "Warning");
  EXPECT_EQ(platform->Boxes[0].Text, "There is no usable install record (\"Uninstall.lst\") in directory \"" + stray +
                                         "\": this copy of the program was not made by its installer. Nothing was "
                                         "deleted.");
  EXPECT_EQ(NamesIn(stray).size(), 3u);
}

TEST_F(Installer, ADamagedRecordIsNotFollowedAndItsReportStays) {
  InstallAndRunInstalled();
  WriteTextFile(folder / "outside.txt", "elsewhere");
  WriteTextFile(system.DesktopPath() + "keep.txt", "desktop file");
  std::string record = ReadTextFile(target + kInstallRecordName);
  record += "File=..\\..\\outside.txt\r\nFile=" + folder.Path() + "outside.txt\r\nMadeFolder=..\\..\\Desktop\r\n";
  WriteTextFile(target + kInstallRecordName, record);

  EXPECT_EQ(UninstallAnsweringYes(), kBaseMessage + "\r\nThe directory \"" + target +
                                         "\" was kept: its Errors.log lists entries of the install record that "
                                         "were ignored.");
  EXPECT_EQ(ReadTextFile(folder / "outside.txt"), "elsewhere");
  EXPECT_TRUE(PathExists(system.DesktopPath() + "keep.txt"));
  EXPECT_EQ(NamesIn(target), std::vector<std::string>{"Errors.log"});
  const std::string log = ReadTextFile(target + "Errors.log");
  EXPECT_NE(log.find("line "), std::string::npos);
  EXPECT_NE(log.find("File=..\\..\\outside.txt"), std::string::npos) << log;
}

TEST_F(Installer, NothingBehindALinkInTheInstallationIsDeleted) {
  InstallAndRunInstalled();
  const std::string elsewhere = folder / "Elsewhere";
  ::CreateDirectoryA(elsewhere.c_str(), nullptr);
  WriteTextFile(elsewhere + "\\precious.vbg", "a saved game of another place");
  WriteTextFile(elsewhere + "\\English.vbd", "another dictionary");
  // The games folder is a link to elsewhere, and the record says the
  // dictionaries are there too.
  test::ScopedFolderLink games(target + "VorbelleGames", elsewhere);
  if (!games.Made()) GTEST_SKIP() << "folder links cannot be made here";
  std::string record = ReadTextFile(target + kInstallRecordName);
  WriteTextFile(target + kInstallRecordName, record + "File=VorbelleGames\\English.vbd\r\nMadeFolder=VorbelleGames\r\n");

  const std::string message = UninstallAnsweringYes();
  EXPECT_NE(message.find("was kept: it holds files that were not installed"), std::string::npos) << message;
  EXPECT_EQ(ReadTextFile(elsewhere + "\\precious.vbg"), "a saved game of another place");
  EXPECT_EQ(ReadTextFile(elsewhere + "\\English.vbd"), "another dictionary");
  EXPECT_EQ(NamesIn(target), std::vector<std::string>{"VorbelleGames"});
}

TEST_F(Installer, OnlyTheProgramsOwnLinksAndEntryGo) {
  // The distribution folder is named like a menu folder that already exists
  // and holds another program's link.
  const std::string accessories = system.ProgramsMenuPath() + "Accessories\\";
  ::CreateDirectoryA(accessories.c_str(), nullptr);
  WriteTextFile(folder / "other.exe", "another program");
  CopyFileAsLink(folder / "other.exe", accessories + "Other.lnk", true, false, true, "");
  const std::string accessoriesDist = folder / "dist\\Accessories\\";
  ::CreateDirectoryA(accessoriesDist.c_str(), nullptr);
  WriteTextFile(accessoriesDist + "Install.exe", "program");
  WriteTextFile(accessoriesDist + "Readme.txt", "Read me.");
  test::WriteDistributionList(accessoriesDist, {"Install.exe", "Readme.txt"});
  platform->FixedProgramPath = accessoriesDist + "Install.exe";
  target = system.ProgramFilesPath() + "Accessories\\";
  programFile = target + kName + ".exe";
  InstallAndRunInstalled();
  EXPECT_EQ(NamesIn(accessories).size(), 4u);

  // The desktop link was replaced by one to another program, and the entry
  // now belongs to another copy.
  CopyFileAsLink(folder / "other.exe", system.DesktopPath() + kName + ".lnk", true, false, true, "");
  SetUninstallRegistry(kName, kName, "C:\\Elsewhere\\Vorbelle.exe /Uninstall");

  EXPECT_EQ(UninstallAnsweringYes(), kBaseMessage);
  EXPECT_EQ(NamesIn(accessories), std::vector<std::string>{"Other.lnk"});
  EXPECT_TRUE(PathExists(system.DesktopPath() + kName + ".lnk"));
  EXPECT_EQ(RegistryValue("UninstallString"), "C:\\Elsewhere\\Vorbelle.exe /Uninstall");
}

TEST_F(Installer, AStartUpNamedDistributionNeverPutsItsLinksIntoStartup) {
  const std::string startup = system.ProgramsMenuPath() + "StartUp\\";
  ::CreateDirectoryA(startup.c_str(), nullptr);
  system.MoreProtected = {startup};
  WriteTextFile(folder / "other.exe", "another program");
  CopyFileAsLink(folder / "other.exe", startup + "Other.lnk", true, false, true, "");
  const std::string startupDist = folder / "dist\\StartUp\\";
  ::CreateDirectoryA(startupDist.c_str(), nullptr);
  WriteTextFile(startupDist + "Install.exe", "program");
  test::WriteDistributionList(startupDist, {"Install.exe"});
  platform->FixedProgramPath = startupDist + "Install.exe";
  target = system.ProgramFilesPath() + "StartUp\\";
  programFile = target + kName + ".exe";

  InstallAndRunInstalled();
  EXPECT_EQ(NamesIn(startup), std::vector<std::string>{"Other.lnk"});
  const std::string ownMenu = system.ProgramsMenuPath() + kName + "\\";
  EXPECT_EQ(NamesIn(ownMenu).size(), 3u) << "the links go to a menu folder of the program's name";
  EXPECT_EQ(UninstallAnsweringYes(), kBaseMessage);
  EXPECT_EQ(NamesIn(startup), std::vector<std::string>{"Other.lnk"});
  EXPECT_FALSE(PathExists(ownMenu));
}

TEST_F(Installer, AReinstallationStillRemovesWhatTheFirstOneMade) {
  platform->Answers = {kYes};
  InstallProgram(kName, system.ProgramFilesPath());
  // The next version no longer ships the dictionary.
  test::WriteDistributionList(dist, {"Install.exe", "Readme.txt"});
  WriteTextFile(target + "Vorbelle.ini", "options");
  InstallAndRunInstalled();
  EXPECT_EQ(ReadTextFile(target + "Vorbelle.ini"), "options");
  EXPECT_EQ(UninstallAnsweringYes(), kBaseMessage);
  EXPECT_FALSE(PathExists(target));
}

}  // namespace
}  // namespace vb
