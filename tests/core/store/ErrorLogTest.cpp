#include <gtest/gtest.h>

#include "core/store/ErrorLog.h"
#include "core/errors/FunStat.h"
#include "core/base/Platform.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace vb {

namespace {
const std::string kReport = "DESCRIPTION\r\nFailed to load game.\r\n\r\nRAISE CONTEXT\r\n* Status: Error";
const std::string kRecord = "**********" + kReport + "\r\n**********\r\n";
}  // namespace

TEST(ErrorLog, LivesInTheProgramFolder) {
  test::FakePlatformScope platform;
  platform->FixedProgramPath = "C:\\Games\\Vorbelle\\Vorbelle.exe";
  EXPECT_EQ(ErrorLogPath(), "C:\\Games\\Vorbelle\\Errors.log");
}

TEST(ErrorLog, FirstRecordCreatesTheFileAndTwoPressesAppendItTwice) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  platform->FixedProgramPath = folder / "Vorbelle.exe";
  ASSERT_TRUE(AppendToLog(kReport));
  EXPECT_EQ(test::ReadTextFile(folder / "Errors.log"), kRecord);
  ASSERT_TRUE(AppendToLog(kReport));
  EXPECT_EQ(test::ReadTextFile(folder / "Errors.log"), kRecord + kRecord);
}

TEST(ErrorLog, ALogOverTheLimitIsEmptiedFirstButOneAtTheLimitIsKept) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  const std::string atLimit(kErrorLogLimit, 'x');
  test::WriteTextFile(folder / "a.log", atLimit);
  ASSERT_TRUE(AppendToLogFile(folder / "a.log", kReport));
  EXPECT_EQ(test::ReadTextFile(folder / "a.log"), atLimit + kRecord);

  test::WriteTextFile(folder / "b.log", atLimit + "y");
  ASSERT_TRUE(AppendToLogFile(folder / "b.log", kReport));
  EXPECT_EQ(test::ReadTextFile(folder / "b.log"), kRecord);
}

TEST(ErrorLog, FailuresGiveFalseAndShowNothing) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  test::WriteTextFile(folder / "old.log", "earlier records");
  platform->AllowWrite = [](const std::string&) { return false; };
  EXPECT_FALSE(AppendToLogFile(folder / "old.log", kReport));
  EXPECT_EQ(test::ReadTextFile(folder / "old.log"), "earlier records");
  platform->AllowWrite = nullptr;
  // A folder where the log should be cannot be read as a log.
  EXPECT_FALSE(AppendToLogFile(folder.Path(), kReport));
  EXPECT_TRUE(platform->Boxes.empty());
  EXPECT_EQ(platform->Beeps, 0);
}

TEST(ErrorLog, RecordsAreAppendedWithoutRewritingTheOlderOnes) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  test::WriteTextFile(folder / "kept.log", "earlier records\r\n");
  // The log is never read back, so a log that cannot be read still takes records.
  platform->AllowRead = [](const std::string&) { return false; };
  ASSERT_TRUE(AppendToLogFile(folder / "kept.log", kReport));
  EXPECT_EQ(test::ReadTextFile(folder / "kept.log"), "earlier records\r\n" + kRecord);
}

TEST(ErrorLog, TrimmingALongLogThatCannotBeWrittenKeepsIt) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  const std::string full(kErrorLogLimit + 1, 'x');
  test::WriteTextFile(folder / "full.log", full);
  platform->AllowWrite = [](const std::string&) { return false; };
  GlobalFunStat.Clear(StatusPerfect);
  EXPECT_FALSE(AppendToLogFile(folder / "full.log", kReport));
  EXPECT_EQ(test::ReadTextFile(folder / "full.log"), full);
  EXPECT_FALSE(GetPlatform().PathExists(folder / "full.log.vbtmp"));
  // The error being logged is still the one on record.
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
}

}  // namespace vb
