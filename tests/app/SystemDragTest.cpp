// The real Vorbelle.exe under the X server: a real mouse drag with xdotool from
// a stock panel to a board cell, checked on a screenshot (system-drag.sh), and
// the keyboard back in the main window after a message box (system-analysis.sh).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/SystemTestSupport.h"

namespace vb {
namespace {

std::string Hex(COLORREF colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

TEST(SystemDragTest, RealMouseDragMovesAStockLetterOntoTheBoard) {
  if (test::ProgramPath().empty()) GTEST_SKIP() << "no program to start";
  if (!test::Exists("Z:\\usr\\bin\\xdotool") || !test::Exists("Z:\\usr\\bin\\import") || !test::Exists("Z:\\bin\\bash"))
    GTEST_SKIP() << "xdotool, ImageMagick or bash missing";
  const std::string verdict = test::RunSystemScript(
      "system-drag.sh", {Hex(::GetSysColor(COLOR_BTNSHADOW)), Hex(::GetSysColor(COLOR_BTNFACE))}, 300);
  ASSERT_FALSE(verdict.empty()) << "the system test gave no verdict";
  EXPECT_EQ(verdict.substr(0, 4), "PASS") << verdict;
}

TEST(SystemDragTest, AfterAMessageBoxAltF4ClosesTheGameWithoutAQuestion) {
  if (test::ProgramPath().empty()) GTEST_SKIP() << "no program to start";
  if (!test::Exists("Z:\\usr\\bin\\xdotool") || !test::Exists("Z:\\bin\\bash")) GTEST_SKIP() << "xdotool or bash missing";
  const std::string verdict = test::RunSystemScript("system-analysis.sh", {}, 300);
  ASSERT_FALSE(verdict.empty()) << "the system test gave no verdict";
  EXPECT_EQ(verdict.substr(0, 4), "PASS") << verdict;
}

}  // namespace
}  // namespace vb
