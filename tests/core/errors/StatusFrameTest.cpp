#include <gtest/gtest.h>

#include <stdexcept>

#include "core/errors/StatusFrame.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"

namespace vb {
namespace {

void ExpectCleared(const TFunStatContext& c) {
  EXPECT_EQ(c.Status, 0);
  EXPECT_EQ(c.FileName, "");
  EXPECT_EQ(c.FunctionName, "");
  EXPECT_EQ(c.Line, 0);
  EXPECT_EQ(c.Description, "");
  EXPECT_EQ(c.Parameter1, "");
  EXPECT_EQ(c.Parameter2, "");
  EXPECT_EQ(c.SystemErrorCode, 0u);
}

bool InnerFails(int& raisedAt) {
  bool result = true;
  StatusFrame frame(VB_HERE, "InnerFails");
  frame.Run([&] {
    raisedAt = __LINE__ + 1;
    frame.Raise(__LINE__, "There is no such file", "C:\\x.txt");
    result = false;
  }, __LINE__);
  return result;
}

void InnerThrows() {
  StatusFrame frame(VB_HERE, "InnerThrows");
  frame.Run([&] { throw std::runtime_error("boom"); }, __LINE__);
}

void InnerWarns() {
  StatusFrame frame(VB_HERE, "InnerWarns");
  frame.Run([&] { frame.RaiseWarning(__LINE__, "Failed to get file size."); }, __LINE__);
}

}  // namespace

class StatusFrames : public ::testing::Test {
 protected:
  test::FakePlatformScope platform;
};

TEST_F(StatusFrames, SuccessfulFramesOfEitherKindLeaveAClearedRecord) {
  {
    StatusFrame frame(VB_HERE, "Forwarding");
    frame.Run([] {}, __LINE__);
  }
  ExpectCleared(GlobalFunStat);
  test::ScriptedErrorDialog dialog;
  {
    StatusFrame frame(VB_HERE, "Reporting", "Failed to do it.");
    frame.Run([] {}, __LINE__);
  }
  ExpectCleared(GlobalFunStat);
  EXPECT_TRUE(dialog.Shown.empty());
}

TEST_F(StatusFrames, ARaisedFailureIsForwardedAndAdoptedByTheCaller) {
  int raisedAt = 0;
  EXPECT_FALSE(InnerFails(raisedAt));
  EXPECT_EQ(GlobalFunStat.Status, StatusError);
  EXPECT_EQ(GlobalFunStat.FunctionName, "InnerFails");
  EXPECT_EQ(GlobalFunStat.Line, raisedAt);
  EXPECT_EQ(GlobalFunStat.Description, "There is no such file");
  EXPECT_EQ(GlobalFunStat.Parameter1, "C:\\x.txt");

  StatusFrame outer(VB_HERE, "Outer");
  bool adopted = false;
  outer.Run([&] {
    int ignored;
    InnerFails(ignored);
    adopted = outer.Adopt();
  }, __LINE__);
  EXPECT_TRUE(adopted);
  EXPECT_EQ(GlobalFunStat.FunctionName, "InnerFails");
}

TEST_F(StatusFrames, ExceptionsBecomeRecordedFailures) {
  InnerThrows();
  EXPECT_EQ(GlobalFunStat.Status, StatusError);
  EXPECT_EQ(GlobalFunStat.Description, "Unhandled exception: boom");
  EXPECT_EQ(GlobalFunStat.Parameter1, "");
  EXPECT_EQ(GlobalFunStat.Parameter2, "0");

  int throwLine = 0;
  StatusFrame sourced(VB_HERE, "Sourced");
  sourced.Run([&] {
    throwLine = __LINE__ + 1;
    VB_THROW("placed");
  }, __LINE__);
  EXPECT_EQ(GlobalFunStat.Description, "Unhandled exception: placed");
  EXPECT_EQ(GlobalFunStat.Parameter1, SourcePath(__FILE__));
  EXPECT_EQ(GlobalFunStat.Parameter2, std::to_string(throwLine));

  int closingLine = 0;
  StatusFrame generic(VB_HERE, "Generic");
  generic.Run([&] { throw 42; }, closingLine = __LINE__);
  EXPECT_EQ(GlobalFunStat.Description, "Unhandled generic exception.");
  EXPECT_EQ(GlobalFunStat.Line, closingLine);
}

TEST_F(StatusFrames, WarningsAreNeitherAdoptedNorShown) {
  test::ScriptedErrorDialog dialog;
  StatusFrame frame(VB_HERE, "Command", "Failed to load game.");
  bool adopted = true;
  frame.Run([&] {
    InnerWarns();
    EXPECT_EQ(GlobalFunStat.Status, StatusWarning);
    adopted = frame.Adopt();
  }, __LINE__);
  EXPECT_FALSE(adopted);
  EXPECT_TRUE(dialog.Shown.empty());
}

TEST_F(StatusFrames, AnUnclosedFrameLeavesBeginFunctionError) {
  // The constructor marks the record; until the frame closes, a caller sees status 3.
  auto frame = std::make_unique<StatusFrame>(VB_HERE, "Unclosed");
  EXPECT_EQ(GlobalFunStat.Status, StatusBeginFunctionError);
  EXPECT_EQ(GlobalFunStat.FunctionName, "Unclosed");
  StatusFrame caller(VB_HERE, "Caller");
  caller.Run([&] {
    StatusFrame inner(VB_HERE, "NeverRun");
    (void)inner;
    EXPECT_TRUE(caller.Adopt());
  }, __LINE__);
  EXPECT_EQ(GlobalFunStat.Status, StatusBeginFunctionError);
  EXPECT_EQ(GlobalFunStat.FunctionName, "NeverRun");
}

TEST_F(StatusFrames, AReportingFrameShowsOnceAndResets) {
  test::ScriptedErrorDialog dialog;
  int closingLine = 0;
  StatusFrame frame(VB_HERE, "TVorbelleForm::LoadGameMenuClick", "Failed to load game.");
  frame.Run([&] {
    int ignored;
    InnerFails(ignored);
    frame.Adopt();
  }, closingLine = __LINE__);
  ASSERT_EQ(dialog.Shown.size(), 1u);
  EXPECT_EQ(dialog.Shown[0].Caption, "Error");
  EXPECT_EQ(dialog.Shown[0].FailureText, "Failed to load game.");
  EXPECT_NE(dialog.Shown[0].Report.find("* Function: \"InnerFails\""), std::string::npos);
  EXPECT_NE(dialog.Shown[0].Report.find("SHOW CONTEXT\r\n* File: \"" + FileNamePartOfSource(SourcePath(__FILE__)) + "\"\r\n* Function: \"\"\r\n* Line: " +
                                        std::to_string(closingLine)),
            std::string::npos);
  ExpectCleared(GlobalFunStat);

  // An outer frame adopts nothing after an inner reporting frame.
  StatusFrame outer(VB_HERE, "Outer", "Failed outer.");
  outer.Run([&] {
    StatusFrame inner(VB_HERE, "Inner", "Failed inner.");
    inner.Run([&] { inner.Raise(__LINE__, "x"); }, __LINE__);
    EXPECT_FALSE(outer.Adopt());
  }, __LINE__);
  EXPECT_EQ(dialog.Shown.size(), 2u);
}

TEST_F(StatusFrames, WithoutTheErrorDialogAFailureShowsTheFallbackBox) {
  StatusFrame frame(VB_HERE, "Command", "Failed.");
  frame.Run([&] { frame.Raise(__LINE__, "x"); }, __LINE__);
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Caption, "Error");
  EXPECT_EQ(platform->Boxes[0].Text, "The error-dialog form is not created. You must create it.");
  EXPECT_EQ(platform->Boxes[0].Style, 8192u);
  bool flag = true;
  EXPECT_FALSE(GlobalFunStat.ShowErrorDialog("Failed.", &flag));
  EXPECT_FALSE(flag);
}

TEST_F(StatusFrames, CopyKeepsTheTargetsShowContext) {
  TFunStatContext a, b;
  a.Raise("f.cpp", "F", 3, 2, "d", "p1", "p2", 5);
  a.Show("s.cpp", "S", 9);
  a.UserCode = 4;
  b.Show("mine.cpp", "Mine", 1);
  b = a;
  EXPECT_EQ(b.Description, "d");
  EXPECT_EQ(b.UserCode, 4);
  EXPECT_EQ(b.ShowFileName, "mine.cpp");
  TFunStatContext c(a);
  EXPECT_EQ(c.ShowFileName, "");
  EXPECT_EQ(c.SystemErrorCode, 5u);
}

TEST_F(StatusFrames, OnApplicationExceptionReportsAndClears) {
  test::ScriptedErrorDialog dialog;
  TFunStatContext::OnApplicationException("Access violation");
  ASSERT_EQ(dialog.Shown.size(), 1u);
  EXPECT_EQ(dialog.Shown[0].FailureText, "Unhandled error.\r\nAccess violation");
  EXPECT_NE(dialog.Shown[0].Report.find("* Function: \"TFunStatContext::OnApplicationException\""),
            std::string::npos);
  EXPECT_EQ(GlobalFunStat.Status, 0);
}

TEST(SystemErrorTests, Codes) {
  EXPECT_FALSE(IsSystemFailure(0u));
  EXPECT_FALSE(IsSystemFailure(14u));
  EXPECT_FALSE(IsSystemFailure(1235u));
  EXPECT_TRUE(IsSystemFailure(183u));
  EXPECT_FALSE(IsSystemFailureAllowExisting(183u));
  EXPECT_TRUE(IsSystemFailureAllowExisting(5u));
  EXPECT_TRUE(IsSearchEndCode(18));
  EXPECT_TRUE(IsSearchEndCode(2));
  EXPECT_FALSE(IsSearchEndCode(3));
  EXPECT_FALSE(IsComFailure(0));
  EXPECT_FALSE(IsComFailure(static_cast<std::int32_t>(0x800704C7u)));
  EXPECT_TRUE(IsComFailure(static_cast<std::int32_t>(0x80004005u)));
}

}  // namespace vb
