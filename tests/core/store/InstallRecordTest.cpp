// The install record and the distribution list as read back from text a user
// may have edited: what is kept, what is ignored and reported, and that a
// record written by the installer reads back unchanged.
#include <gtest/gtest.h>

#include "core/store/DistributionList.h"
#include "core/store/InstallRecord.h"
#include "core/base/PlainRelativePath.h"

namespace vb {
namespace {

std::string Record(const std::string& lines) { return std::string(kInstallRecordHeader) + "\r\n" + lines; }

TEST(PlainRelativePath, OnlyNamesInsideTheFolder) {
  for (const char* good : {"Vorbelle.exe", "VorbelleDictionaries\\English.vbd", "a\\b\\c.txt", "Readme", "x~1.txt",
                           "COM10", "CONSOLE.txt", ".hidden"})
    EXPECT_TRUE(IsPlainRelativePath(good)) << good;
  for (const char* bad : {"", "..", ".", "..\\x", "a\\..\\..\\x", "a\\.\\b", "\\x", "\\\\server\\share\\x", "C:\\x",
                          "C:x", "x:stream", "a/b", "a\\", "a\\\\b", "x.", "x ", "NUL", "nul.txt", "COM1",
                          "a\\LPT9.log", "CON ", "a*", "a?", "a|b", "a\"b", "a<b", "\tx", "a\x7f"})
    EXPECT_FALSE(IsPlainRelativePath(bad)) << bad;
  EXPECT_FALSE(IsPlainRelativePath(std::string(kMaxRelativePathLength + 1, 'a')));
  EXPECT_TRUE(IsPlainRelativePath(std::string(kMaxRelativePathLength, 'a')));
  EXPECT_TRUE(IsPlainName("Vorbelle"));
  EXPECT_FALSE(IsPlainName("Vorbelle\\x"));
}

TEST(InstallRecord, WhatTheInstallerWritesReadsBackUnchanged) {
  InstallRecord record;
  record.MadeInstallationFolder = true;
  record.AddMadeFolder("VorbelleDictionaries");
  record.AddFile("Vorbelle.exe");
  record.AddFile("VorbelleDictionaries\\English.vbd");
  record.AddFile("vorbelle.EXE");  // the same file once
  record.MenuFolder = "Vorbelle";
  record.MadeMenuFolder = true;
  for (const char* link : {"Vorbelle.lnk", "Uninstall.lnk", "Readme.lnk"}) record.AddMenuLink(link);
  record.DesktopLink = "Vorbelle.lnk";
  record.UninstallEntry = "Vorbelle";

  const ParsedInstallRecord parsed = ParseInstallRecord(FormatInstallRecord(record));
  ASSERT_TRUE(parsed.Valid);
  EXPECT_TRUE(parsed.Problems.empty()) << parsed.Problems[0];
  EXPECT_TRUE(parsed.Record.MadeInstallationFolder);
  EXPECT_EQ(parsed.Record.MadeFolders, record.MadeFolders);
  EXPECT_EQ(parsed.Record.Files, (std::vector<std::string>{"Vorbelle.exe", "VorbelleDictionaries\\English.vbd"}));
  EXPECT_EQ(parsed.Record.MenuFolder, "Vorbelle");
  EXPECT_TRUE(parsed.Record.MadeMenuFolder);
  EXPECT_EQ(parsed.Record.MenuLinks, record.MenuLinks);
  EXPECT_EQ(parsed.Record.DesktopLink, "Vorbelle.lnk");
  EXPECT_EQ(parsed.Record.UninstallEntry, "Vorbelle");
}

TEST(InstallRecord, EntriesThatCouldLeadOutsideAreIgnoredAndReported) {
  const std::string text = Record(
      "File=Readme.txt\n"
      "File=..\\..\\Windows\\win.ini\n"
      "File=C:\\Users\\me\\note.txt\n"
      "File=\\\\server\\share\\note.txt\n"
      "File=\\note.txt\n"
      "File=VorbelleGames\\..\\..\\x\n"
      "MadeFolder=Users.\n"
      "File=" + std::string(400, 'a') + "\n"
      "File=Readme.TXT\n"
      "Unknown=1\n"
      "no equals sign\n"
      "MadeInstallationFolder=true\n"
      "DesktopLink=..\\Vorbelle.lnk\n"
      "DesktopLink=Vorbelle.exe\n"
      "UninstallEntry=Microsoft\\Windows\n"
      "MenuFolder=Vorbelle\n"
      "MenuFolder=Other\n"
      "MenuLink=a.lnk\nMenuLink=b.lnk\nMenuLink=c.lnk\nMenuLink=d.lnk\n"
      "MenuLink=evil.exe\n"
      "File=Help.hlp\n");
  const ParsedInstallRecord parsed = ParseInstallRecord(text);
  ASSERT_TRUE(parsed.Valid);
  EXPECT_EQ(parsed.Record.Files, (std::vector<std::string>{"Readme.txt", "Help.hlp"}));
  EXPECT_TRUE(parsed.Record.MadeFolders.empty());
  EXPECT_FALSE(parsed.Record.MadeInstallationFolder);
  EXPECT_EQ(parsed.Record.DesktopLink, "");
  EXPECT_EQ(parsed.Record.UninstallEntry, "");
  EXPECT_EQ(parsed.Record.MenuFolder, "Vorbelle");
  EXPECT_EQ(parsed.Record.MenuLinks, (std::vector<std::string>{"a.lnk", "b.lnk", "c.lnk"}));
  ASSERT_EQ(parsed.Problems.size(), 17u);
  EXPECT_EQ(parsed.Problems[0].rfind("line 3 ignored (not a plain path inside the installation folder): File=..", 0),
            0u)
      << parsed.Problems[0];
  EXPECT_NE(parsed.Problems[6].find("too long"), std::string::npos) << parsed.Problems[6];
  EXPECT_LT(parsed.Problems[6].size(), 120u) << "a long line is shown only in part";
  EXPECT_NE(parsed.Problems[7].find("repeated"), std::string::npos) << parsed.Problems[7];
}

TEST(InstallRecord, TextThatIsNoRecordGivesNothing) {
  for (const std::string& text : {std::string(), std::string("File=Vorbelle.exe\r\n"),
                                  std::string("Vorbelle install record, version 2\r\nFile=Vorbelle.exe\r\n"),
                                  Record(std::string(kMaxInstallRecordSize, '\n'))}) {
    const ParsedInstallRecord parsed = ParseInstallRecord(text);
    EXPECT_FALSE(parsed.Valid);
    EXPECT_TRUE(parsed.Record.Files.empty());
    EXPECT_EQ(parsed.Problems.size(), 1u);
  }
  // Menu entries without their folder name nothing.
  const ParsedInstallRecord parsed = ParseInstallRecord(Record("MenuLink=Vorbelle.lnk\r\nMadeMenuFolder=yes\r\n"));
  EXPECT_TRUE(parsed.Valid);
  EXPECT_TRUE(parsed.Record.MenuLinks.empty());
  EXPECT_FALSE(parsed.Record.MadeMenuFolder);
  EXPECT_EQ(parsed.Problems.size(), 1u);
}

TEST(InstallRecord, AReinstallationKeepsWhatTheFirstOneMade) {
  InstallRecord first;
  first.MadeInstallationFolder = true;
  first.AddMadeFolder("VorbelleDictionaries");
  first.AddFile("Old.txt");
  first.AddFile("Vorbelle.exe");
  first.MenuFolder = "Vorbelle";
  first.MadeMenuFolder = true;
  InstallRecord second;
  second.AddFile("Vorbelle.exe");
  second.AddFile("New.txt");
  second.MenuFolder = "VORBELLE";
  second.MergeEarlier(first);
  EXPECT_TRUE(second.MadeInstallationFolder);
  EXPECT_TRUE(second.MadeMenuFolder);
  EXPECT_EQ(second.MadeFolders, std::vector<std::string>{"VorbelleDictionaries"});
  EXPECT_EQ(second.Files, (std::vector<std::string>{"Vorbelle.exe", "New.txt", "Old.txt"}));
}

TEST(DistributionList, ListedPlainPathsOnly) {
  const std::string text = std::string(kDistributionListHeader) +
                           "\r\nInstall.exe\r\n\r\nVorbelleDictionaries\\English.vbd\r\n..\\Desktop\\secret.txt\r\n"
                           "C:\\Windows\\win.ini\r\ninstall.EXE\r\n" +
                           std::string(300, 'x') + "\r\nReadme.txt";
  const ParsedDistributionList parsed = ParseDistributionList(text);
  ASSERT_TRUE(parsed.Valid);
  EXPECT_EQ(parsed.Files, (std::vector<std::string>{"Install.exe", "VorbelleDictionaries\\English.vbd", "Readme.txt"}));
  EXPECT_EQ(parsed.Problems.size(), 4u);
  EXPECT_EQ(ParseDistributionList(FormatDistributionList(parsed.Files)).Files, parsed.Files);

  const ParsedDistributionList none = ParseDistributionList("Install.exe\r\nReadme.txt\r\n");
  EXPECT_FALSE(none.Valid);
  EXPECT_TRUE(none.Files.empty());
}

}  // namespace
}  // namespace vb
