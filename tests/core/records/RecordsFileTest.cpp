// The records file: what the game writes reads back the same, anything else
// is damaged (never half read), a damaged file is kept aside, and a failed
// write leaves the old file whole.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/base/ProgramPaths.h"
#include "core/errors/FunStat.h"
#include "core/records/RecordsFile.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace vb {
namespace {

TRecords SomeRecords() {
  TRecords records;
  records.GameStarted({"English.vbd", 15, 15}, 20261209u);
  records.WordPut("QUIZ", 40, 40, false);
  records.WordPut("STRANGER", 30, 35, false);
  records.GameEnded(true);
  records.GameStarted({"English.vbd", 15, 15});
  records.HintUsed();
  records.WordPut("OX", 12, 12, true);
  records.GameEnded(false);
  records.GameStarted({"Espa\xf1ol.vbd", 30, 10});
  records.HintUsed();
  records.GameEnded(false);  // only the hint stays
  return records;
}

// Replaces the first line starting with `from` by `to` (or removes it for "").
std::string WithLine(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find("\r\n" + from);
  EXPECT_NE(at, std::string::npos) << from;
  const std::size_t end = text.find("\r\n", at + 2);
  return text.replace(at + 2, end - at, to.empty() ? "" : to + "\r\n");
}

TEST(RecordsFile, WhatIsWrittenReadsBackTheSame) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  const std::string path = folder / kRecordsFileName;
  EXPECT_EQ(ReadRecordsFile(path).State, TRecordsFileState::Missing);

  const TRecords records = SomeRecords();
  ASSERT_TRUE(WriteRecordsFile(path, records));
  const std::string text = test::ReadTextFile(path);
  EXPECT_EQ(text.rfind("[Records]\r\nVersion=1\r\nKeys=2\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("Recent1=70,20261209,0,1\r\nRecent2=12,0,1,0\r\n"), std::string::npos) << text;

  const TRecordsReadResult read = ReadRecordsFile(path);
  ASSERT_EQ(read.State, TRecordsFileState::Read) << read.Problem;
  EXPECT_TRUE(read.Records == records);
  EXPECT_EQ(FormatRecords(read.Records), text);
  EXPECT_EQ(test::FileNamesIn(folder.Path()), std::vector<std::string>{kRecordsFileName});  // no temporary left

  // Empty records, and hand edits the format allows (case of names, comments, leading zeros).
  EXPECT_TRUE(ParseRecords(FormatRecords(TRecords())).Records == TRecords());
  const TRecordsReadResult edited =
      ParseRecords(WithLine(WithLine(text, "Version=", "; edited\r\nVERSION=01"), "[Key1]", "[key1]"));
  EXPECT_EQ(edited.State, TRecordsFileState::Read) << edited.Problem;
}

TEST(RecordsFile, AnythingElseIsDamagedAndReadsAsNoRecords) {
  test::FakePlatformScope platform;
  const std::string good = FormatRecords(SomeRecords());
  ASSERT_EQ(ParseRecords(good).State, TRecordsFileState::Read);
  const std::vector<std::string> damaged = {
      "", "garbage", std::string(kMaxRecordsFileSize + 1, ';'),
      WithLine(good, "Version=", "Version=2"),
      WithLine(good, "Version=", ""),
      WithLine(good, "Keys=", "Keys=3"),             // a section missing
      WithLine(good, "Keys=", "Keys=1001"),
      WithLine(good, "Keys=", "Keys=-1"),
      WithLine(good, "Dictionary=English", "Dictionary=..\\English.vbd"),
      // The second key made the first one again (names compared without regard to case).
      WithLine(WithLine(WithLine(good, "Dictionary=Espa", "Dictionary=ENGLISH.VBD"), "Columns=30", "Columns=15"),
               "Rows=10", "Rows=15"),
      WithLine(good, "Columns=15", "Columns=31"),
      WithLine(good, "Rows=15", "Rows=9"),
      WithLine(good, "GamesPlayed=2", "GamesPlayed= 2"),
      WithLine(good, "GamesPlayed=2", "GamesPlayed=+2"),
      WithLine(good, "GamesPlayed=2", "GamesPlayed=0x2"),
      WithLine(good, "GamesPlayed=2", "GamesPlayed=2147483648"),
      WithLine(good, "GamesPlayed=2", "GamesPlayed=1"),     // fewer than the last games
      WithLine(good, "GamesFinished=1", "GamesFinished=3"),  // more than played
      WithLine(good, "TotalWords=3", ""),
      WithLine(good, "BestScore=70", ""),
      WithLine(good, "BestScore=70", "BestScore=69"),     // below a last game's score
      WithLine(good, "BestWord=QUIZ", "BestWord="),
      WithLine(good, "BestWord=QUIZ", "BestWord=" + std::string(31, 'Q')),
      WithLine(good, "BestWordPoints=", ""),
      WithLine(good, "BestWordPoints=", "BestWordPoints=83"),  // more than all points
      WithLine(good, "LongestWord=", "LongestWord=Q"),         // shorter than the best word
      WithLine(good, "TurnsCounted=", "TurnsCounted=4"),       // more turns than words
      WithLine(good, "RecentGames=2", "RecentGames=3"),
      WithLine(good, "RecentGames=2", "RecentGames=31"),
      WithLine(good, "Recent1=", "Recent1=70,20261209,0"),
      WithLine(good, "Recent1=", "Recent1=70,20261209,0,1,1"),
      WithLine(good, "Recent1=", "Recent1=70,100000000,0,1"),
      WithLine(good, "Recent1=", "Recent1=70,20261209,2,1"),
      WithLine(good, "Recent1=", "Recent1=70,,0,1"),
  };
  for (std::size_t i = 0; i < damaged.size(); ++i) {
    const TRecordsReadResult read = ParseRecords(damaged[i]);
    EXPECT_EQ(read.State, TRecordsFileState::Damaged) << "case " << i;
    EXPECT_FALSE(read.Problem.empty()) << "case " << i;
    EXPECT_TRUE(read.Records.Entries().empty()) << "case " << i;
  }
}

TEST(RecordsFile, ADamagedFileIsKeptAsideAndAFailedWriteKeepsTheOld) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  const std::string path = folder / kRecordsFileName;
  const std::string bad = folder / kDamagedRecordsFileName;
  EXPECT_EQ(DamagedRecordsPath(path), bad);
  test::WriteTextFile(path, "[Records]\r\nVersion=one\r\n");
  test::WriteTextFile(bad, "an older damaged file");
  ASSERT_EQ(ReadRecordsFile(path).State, TRecordsFileState::Damaged);
  ASSERT_TRUE(KeepDamagedRecordsFile(path));
  EXPECT_EQ(test::ReadTextFile(bad), "[Records]\r\nVersion=one\r\n");
  EXPECT_EQ(ReadRecordsFile(path).State, TRecordsFileState::Missing);
  EXPECT_FALSE(KeepDamagedRecordsFile(path));  // nothing to keep: a failure, reported
  EXPECT_GT(GlobalFunStat.Status, StatusWarning);
  GlobalFunStat.Clear(StatusPerfect);

  ASSERT_TRUE(WriteRecordsFile(path, SomeRecords()));
  const std::string old = test::ReadTextFile(path);
  platform->AllowWrite = [](const std::string&) { return false; };
  EXPECT_FALSE(WriteRecordsFile(path, TRecords()));
  EXPECT_GT(GlobalFunStat.Status, StatusWarning);
  EXPECT_EQ(test::ReadTextFile(path), old);
  GlobalFunStat.Clear(StatusPerfect);

  platform->AllowRead = [](const std::string&) { return false; };
  EXPECT_EQ(ReadRecordsFile(path).State, TRecordsFileState::Unreadable);
  platform->AllowRead = nullptr;
  ASSERT_TRUE(GetPlatform().CreateFolder(folder / "Folder.ini"));
  EXPECT_EQ(ReadRecordsFile(folder / "Folder.ini").State, TRecordsFileState::Unreadable);
}

}  // namespace
}  // namespace vb
