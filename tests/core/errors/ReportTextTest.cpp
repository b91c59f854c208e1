#include <gtest/gtest.h>

#include "core/errors/FunStat.h"
#include "core/text/MyTime.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"

namespace vb {

class Report : public ::testing::Test {
 protected:
  Report() {
    platform->FixedNow = LocalDateTime{2026, 3, 1, 12, 0, 0, 0};
    platform->FixedProgramPath = "C:\\Games\\Vorbelle\\Vorbelle.exe";
  }
  std::string Expected(const std::string& raise, const std::string& status = "Error") {
    return "\r\nRAISE CONTEXT\r\n* Status: " + status + "\r\n" + raise +
           "\r\nSHOW CONTEXT\r\n* File: \"Dialog.cpp\"\r\n* Function: \"\"\r\n* Line: 77\r\n"
           "\r\nINFO\r\n* Time: " +
           TimeText(*platform->FixedNow) +
           "\r\n* Program: C:\\Games\\Vorbelle\\Vorbelle.exe\r\n* Recursive attempts: 0\r\n"
           "\r\nUSER INFO\r\n* UserCode: 0\r\n* UserText: \r\n* UserInt: 0\r\n* UserReal: 0";
  }
  test::FakePlatformScope platform;
};

TEST_F(Report, MinimalRecordLeavesOutTheConditionalLines) {
  TFunStatContext c;
  c.Raise("C:\\src\\Game\\VorbelleDialog.cpp", "TVorbelleForm::LoadGameFrom", 120, 2, "There is no such file");
  c.Show("D:\\src\\Dialog.cpp", "", 77);
  EXPECT_EQ(c.ReportText(), Expected("* File: \"VorbelleDialog.cpp\"\r\n* Function: \"TVorbelleForm::LoadGameFrom\"\r\n"
                                     "* Line: 120\r\n* Description: \"There is no such file\"\r\n"));
}

TEST_F(Report, FullRecordHasParametersAndSystemError) {
  TFunStatContext c;
  c.Raise("a:b.cpp", "F", 1, 2, "D", "P1", "P2", 2);
  c.Show("Dialog.cpp", "", 77);
  std::string systemText = platform->SystemErrorText(2);
  EXPECT_EQ(c.ReportText(), Expected("* File: \"b.cpp\"\r\n* Function: \"F\"\r\n* Line: 1\r\n* Description: \"D\"\r\n"
                                     "* Parameter 1: \"P1\"\r\n* Parameter 2: \"P2\"\r\n* System error code: 2\r\n"
                                     "* System error description: \"" +
                                     systemText + "\"\r\n"));
}

TEST_F(Report, StatusWordsCatastropheAndUnknown) {
  TFunStatContext c;
  c.Raise("x.cpp", "F", 1, 5, "D");
  c.Show("Dialog.cpp", "", 77);
  EXPECT_NE(c.ReportText().find("* Status: Catastrophe: CATASTROPHIC FAILURE!!! It is highly recommended to "
                                "terminate the program immediately!\r\n"),
            std::string::npos);
  c.Status = 7;
  EXPECT_NE(c.ReportText().find("* Status: Unknown function status\r\n"), std::string::npos);
  EXPECT_EQ(TFunStatContext::StatusText(3), "Begin function error");
  EXPECT_EQ(TFunStatContext::StatusText(4), "Panic");
  EXPECT_EQ(TFunStatContext::StatusText(-1), "Unknown function status");
}

TEST_F(Report, RecursionCountAndUserRealComeFromTheirSources) {
  test::ScriptedErrorDialog dialog;
  dialog.Recursion = 2;
  TFunStatContext c;
  c.UserReal = 0.1;
  std::string report = c.ReportText();
  EXPECT_NE(report.find("* Recursive attempts: 2\r\n"), std::string::npos);
  EXPECT_NE(report.find("* UserReal: 0.1"), std::string::npos);
  EXPECT_EQ(report.substr(report.size() - 3), "0.1");  // no line break at the end
}

TEST_F(Report, FileNamePartOfSource) {
  EXPECT_EQ(FileNamePartOfSource("C:\\a\\b\\c.cpp"), "c.cpp");
  EXPECT_EQ(FileNamePartOfSource("C:c.cpp"), "c.cpp");
  EXPECT_EQ(FileNamePartOfSource("c.cpp"), "c.cpp");
  EXPECT_EQ(FileNamePartOfSource("/unix/path/c.cpp"), "/unix/path/c.cpp");
}

TEST(TimeTextTest, HundredSecondCountAtTheEdgesOfTheDay) {
  EXPECT_EQ(HundredSecondCount({2026, 1, 1, 0, 0, 0, 0}), 0);
  EXPECT_EQ(HundredSecondCount({2026, 1, 1, 12, 0, 0, 0}), 432);
  EXPECT_EQ(HundredSecondCount({2026, 1, 1, 23, 59, 59, 999}), 863);
  EXPECT_EQ(HundredSecondCount({2026, 1, 1, 0, 1, 39, 999}), 0);
  EXPECT_EQ(HundredSecondCount({2026, 1, 1, 0, 1, 40, 0}), 1);
}

TEST(TimeTextTest, DayOfYear) {
  EXPECT_EQ(DayOfYear(2026, 1, 1), 1);
  EXPECT_EQ(DayOfYear(2026, 12, 31), 365);
  EXPECT_EQ(DayOfYear(2024, 12, 31), 366);
  EXPECT_EQ(DayOfYear(2024, 3, 1), 61);
  EXPECT_EQ(DayOfYear(1900, 3, 1), 60);
}

TEST(TimeTextTest, Layout) {
  test::FakePlatformScope platform;
  LocalDateTime t{2026, 12, 8, 23, 59, 59, 0};
  std::string text = TimeText(t);
  EXPECT_EQ(text, platform->LongDateText(t) + " (342) | " + platform->LongTimeText(t) + " (863)");
  EXPECT_NE(platform->LongTimeText(t).find("59:59"), std::string::npos);
  EXPECT_EQ(TimeText({2026, 1, 1, 0, 0, 0, 0}).substr(TimeText({2026, 1, 1, 0, 0, 0, 0}).size() - 4), " (0)");
}

}  // namespace vb
