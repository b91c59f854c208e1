// The real Vorbelle.exe under the X server, driven like a person with xdotool
// (system-game.sh): the saved game, the options file and the error log it
// leaves are checked byte for byte against their formats.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/SystemTestSupport.h"
#include "support/TempFolder.h"

namespace vb {
namespace {

// The game file after one letter went from stock slot 1 to cell (2, 2) of a new
// 15 x 15 English game: '?' stands for the one random letter in its place.
std::string ExpectedGameFile() {
  std::string text =
      "[VorbelleGame]\r\nColumnsCount=15\r\nRowsCount=15\r\nLastDictionaryName=English.vbd\r\n"
      "AddToWordsList=TRUE\r\nAllowUnknownWords=TRUE\r\nLetterChangesCount=11\r\nScore=0\r\n\r\n"
      "[StockLetters]\r\n1=\r\n";
  for (int slot = 2; slot <= 7; ++slot) text += std::to_string(slot) + "=?\r\n";
  text += "\r\n[Map]\r\n";
  for (int n = 0; n < 225; ++n) {
    const bool placed = n == 2 * 15 + 2;
    text += "L" + std::to_string(n) + "=" + (placed ? "?" : "") + "\r\n";
    text += "S" + std::to_string(n) + "=" + (placed ? "TRUE" : "FALSE") + "\r\n";
  }
  return text + "\r\n";
}

// Equal, where '?' in the pattern matches one capital letter.
::testing::AssertionResult MatchesPattern(const std::string& text, const std::string& pattern) {
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (i >= text.size()) return ::testing::AssertionFailure() << "text ends at byte " << i;
    const bool ok = pattern[i] == '?' ? (text[i] >= 'A' && text[i] <= 'Z') : text[i] == pattern[i];
    if (!ok)
      return ::testing::AssertionFailure() << "byte " << i << " differs: ..." << text.substr(i < 40 ? 0 : i - 40, 80);
  }
  if (text.size() != pattern.size()) return ::testing::AssertionFailure() << "extra bytes from " << pattern.size();
  return ::testing::AssertionSuccess();
}

TEST(SystemGameTest, PlaySaveCloseAndLoadTheLastGameInTheRealProgram) {
  if (test::ProgramPath().empty()) GTEST_SKIP() << "no program to start";
  if (!test::Exists("Z:\\usr\\bin\\xdotool") || !test::Exists("Z:\\bin\\bash")) GTEST_SKIP() << "xdotool or bash missing";
  const std::string out = test::ProgramFolder() + "/system-game";
  const std::string verdict = test::RunSystemScript("system-game.sh", {out}, 400);
  ASSERT_FALSE(verdict.empty()) << "the system test gave no verdict";
  ASSERT_EQ(verdict.substr(0, 4), "PASS") << verdict;

  const std::string outFolder = test::WindowsForm(out) + "\\";
  EXPECT_TRUE(MatchesPattern(test::ReadTextFile(outFolder + "mygame.vbg"), ExpectedGameFile()));

  // The options name the game file by its full path, as the title shows it.
  std::string title = test::ReadTextFile(outFolder + "titles.txt");
  while (!title.empty() && (title.back() == '\n' || title.back() == '\r')) title.pop_back();
  ASSERT_EQ(title.rfind("Vorbelle - ", 0), 0u) << title;
  const std::string gamePath = title.substr(11);
  const std::string name = "\\VorbelleGames\\mygame.vbg";  // typed without extension
  ASSERT_GT(gamePath.size(), name.size());
  EXPECT_EQ(gamePath.substr(gamePath.size() - name.size()), name) << gamePath;
  const std::string options =
      "[VorbelleGame]\r\nColumnsCount=15\r\nRowsCount=15\r\nLastDictionaryName=English.vbd\r\n"
      "AddToWordsList=TRUE\r\nAllowUnknownWords=TRUE\r\nLastGameTitle=" +
      gamePath + "\r\nFullScreen=FALSE\r\n\r\n";
  EXPECT_EQ(test::ReadTextFile(outFolder + "first.ini"), options);
  EXPECT_EQ(test::ReadTextFile(outFolder + "second.ini"), options);

  // One record from the Log button of the first start's error dialog.
  const std::string log = test::ReadTextFile(outFolder + "Errors.log");
  EXPECT_EQ(log.rfind("**********DESCRIPTION\r\nFailed to load last game.\r\n\r\nRAISE CONTEXT\r\n", 0), 0u) << log;
  EXPECT_NE(log.find("* Description: \"There is no such file\""), std::string::npos) << log;
  ASSERT_GE(log.size(), 14u);
  EXPECT_EQ(log.substr(log.size() - 14), "\r\n**********\r\n");
  EXPECT_EQ(log.find("**********", 10), log.size() - 12) << "exactly one record";
}

}  // namespace
}  // namespace vb
