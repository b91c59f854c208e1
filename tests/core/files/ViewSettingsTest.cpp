// The view settings file: the zoom written reads back, anything damaged or out
// of range gives the fit, and a file that cannot be read is told apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/ProgramPaths.h"
#include "core/errors/FunStat.h"
#include "core/files/ViewSettings.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace vb {
namespace {

TEST(ViewSettings, WhatIsWrittenReadsBackAndNoTemporaryStays) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  const std::string path = folder / kViewSettingsFileName;
  EXPECT_EQ(ReadViewSettingsFile(path).State, TViewSettingsState::Missing);
  EXPECT_EQ(ReadViewSettingsFile(path).Settings.BoardZoom, 100);
  ASSERT_TRUE(WriteViewSettingsFile(path, TViewSettings{250}));
  EXPECT_EQ(test::ReadTextFile(path), "[Board]\r\nZoom=250\r\n\r\n");
  const TViewSettingsRead read = ReadViewSettingsFile(path);
  EXPECT_EQ(read.State, TViewSettingsState::Read);
  EXPECT_EQ(read.Settings.BoardZoom, 250);
  EXPECT_EQ(test::FileNamesIn(folder.Path()), std::vector<std::string>{kViewSettingsFileName});

  // A write that fails leaves the old file and says so.
  platform->AllowWrite = [](const std::string&) { return false; };
  EXPECT_FALSE(WriteViewSettingsFile(path, TViewSettings{400}));
  EXPECT_EQ(ReadViewSettingsFile(path).Settings.BoardZoom, 250);
  GlobalFunStat.Clear(StatusPerfect);
  platform->AllowWrite = nullptr;

  platform->AllowRead = [](const std::string&) { return false; };
  EXPECT_EQ(ReadViewSettingsFile(path).State, TViewSettingsState::Unreadable);
  platform->AllowRead = nullptr;
  ASSERT_TRUE(GetPlatform().CreateFolder(folder / "Folder.ini"));
  EXPECT_EQ(ReadViewSettingsFile(folder / "Folder.ini").State, TViewSettingsState::Unreadable);
}

TEST(ViewSettings, DamagedOrOutOfRangeValuesGiveTheFit) {
  test::FakePlatformScope platform;
  EXPECT_EQ(ParseViewSettings("[board]\r\nzoom=400\r\n").Settings.BoardZoom, 400);  // keys ignore case
  EXPECT_EQ(ParseViewSettings("[Board]\nZoom=125\nOther=1\n").State, TViewSettingsState::Read);
  for (const char* text : {"", "[Board]\r\n", "[Board]\r\nZoom=\r\n", "[Board]\r\nZoom=99\r\n",
                           "[Board]\r\nZoom=401\r\n", "[Board]\r\nZoom=-150\r\n", "[Board]\r\nZoom= 150\r\n",
                           "[Board]\r\nZoom=$96\r\n", "[Board]\r\nZoom=150%\r\n", "[Board]\r\nZoom=99999999999\r\n",
                           "[View]\r\nZoom=150\r\n", "\xff\xfe[\0B"}) {
    const TViewSettingsRead read = ParseViewSettings(text);
    EXPECT_EQ(read.State, TViewSettingsState::Damaged) << text;
    EXPECT_EQ(read.Settings.BoardZoom, 100) << text;
  }
  EXPECT_EQ(ParseViewSettings("[Board]\r\nZoom=150\r\n" + std::string(kMaxViewSettingsFileSize, ';')).State,
            TViewSettingsState::Damaged);
}

}  // namespace
}  // namespace vb
