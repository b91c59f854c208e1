#include <gtest/gtest.h>

#include "core/errors/MessageBoxes.h"
#include "support/FakePlatform.h"

namespace vb {

TEST(MessageBoxes, KindsHaveTheirCaptionsAndTaskModalStyles) {
  test::FakePlatformScope platform;
  ShowMessageText("m");
  ShowWarningText("w");
  ShowErrorText("");
  ASSERT_EQ(platform->Boxes.size(), 3u);
  EXPECT_EQ(platform->Boxes[0].Caption, "Message");
  EXPECT_EQ(platform->Boxes[0].Style, 64u + 8192u);
  EXPECT_EQ(platform->Boxes[1].Caption, "Warning");
  EXPECT_EQ(platform->Boxes[1].Style, 48u + 8192u);
  EXPECT_EQ(platform->Boxes[2].Caption, "Error");
  EXPECT_EQ(platform->Boxes[2].Text, "");
  EXPECT_EQ(platform->Boxes[2].Style, 16u + 8192u);
}

TEST(MessageBoxes, AnswersAreNormalised) {
  test::FakePlatformScope platform;
  platform->Answers = {6, 7, 2, 0, 6, 7, 1, 3};
  EXPECT_TRUE(AskYesNo("q"));
  EXPECT_FALSE(AskYesNo("q"));
  EXPECT_FALSE(AskYesNo("q"));  // closed without choosing
  EXPECT_EQ(platform->Beeps, 0);
  EXPECT_EQ(AskYesNoCancel("q"), AnswerCancel);  // box failed to appear
  EXPECT_EQ(platform->Beeps, 1);
  EXPECT_EQ(AskYesNoCancel("q"), AnswerYes);
  EXPECT_EQ(AskYesNoCancel("q"), AnswerNo);
  EXPECT_EQ(ShowMessageBox("c", "t", 0), AnswerYes);  // OK
  EXPECT_EQ(ShowMessageBox("c", "t", 0), AnswerCancel);  // Abort and the like
  EXPECT_EQ(platform->Boxes[0].Caption, "Query");
  EXPECT_EQ(platform->Boxes[0].Style, 36u + 8192u);
  EXPECT_EQ(platform->Boxes[3].Style, 35u + 8192u);
}

}  // namespace vb
