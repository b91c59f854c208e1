// The error dialog: its layout, what it shows, its buttons and results, the
// recursion counter, the log and the help button.
#include <gtest/gtest.h>

#include "app/ErrorForm.h"
#include "core/errors/FunStat.h"
#include "core/errors/StatusFrame.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"
#include "ui/Application.h"
#include "ui/Dpi.h"

namespace vb {
namespace {

const std::string kReport = "\r\nRAISE CONTEXT\r\n* Status: Error";

class ErrorFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::SetLayoutDpi(96);
    ASSERT_TRUE(form.Create());
  }
  void TearDown() override { ui::SetLayoutDpi(0); }

  // Shows the dialog and, once it shows, runs `whileShown`.
  bool Show(const std::string& failureText, std::function<void()> whileShown, bool* noErrors = nullptr) {
    form.OnShown = std::move(whileShown);
    return form.Dialog("Error", failureText, noErrors, kReport);
  }

  test::FakePlatformScope platform;
  TErrorForm form;
};

TEST_F(ErrorFormTest, HasItsLayoutAndIsTheProgramsErrorDialog) {
  EXPECT_EQ(GetErrorDialog(), &form);
  RECT client{};
  ::GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 340);
  EXPECT_EQ(client.bottom, 265);
  const RECT terminate = form.TerminateButton.DeviceBounds();
  EXPECT_EQ(terminate.left, 65);
  EXPECT_EQ(terminate.top, 170);
  EXPECT_EQ(terminate.right - terminate.left, 210);
  const RECT noErrors = form.OkayNoErrorsButton.DeviceBounds();
  EXPECT_EQ(noErrors.left, 110);
  EXPECT_EQ(noErrors.right - noErrors.left, 120);
  EXPECT_EQ(form.OkayNoErrorsButton.Text(), "O&kay (no errors)");
  EXPECT_EQ(form.TerminateButton.Text(), "&Terminate application immediately");
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.RecursionCount(), 0);
}

TEST_F(ErrorFormTest, ShowsCaptionFailureTextAndReportThenAcceptsWithOkay) {
  std::string memo, caption, label;
  bool okayHasFocus = false;
  bool noErrors = true;
  const bool accepted = Show("Failed to load game.", [&] {
    memo = form.MainMemo.Text();
    caption = form.Text();
    label = form.RecursionLabel.Text();
    okayHasFocus = ::GetFocus() == form.OkayButton.Handle();
    form.OkayButton.Click();
  }, &noErrors);
  EXPECT_TRUE(accepted);
  EXPECT_FALSE(noErrors);
  EXPECT_EQ(caption, "Error");
  EXPECT_EQ(memo, "DESCRIPTION\r\nFailed to load game.\r\n" + kReport);
  EXPECT_EQ(label, "Recursive attempts = None");
  EXPECT_TRUE(okayHasFocus);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.RecursionCount(), 0);
}

TEST_F(ErrorFormTest, AnEmptyFailureTextShowsFailedToPerform) {
  std::string memo;
  Show("", [&] {
    memo = form.MainMemo.Text();
    form.OkayButton.Click();
  });
  EXPECT_EQ(memo.rfind("DESCRIPTION\r\nFailed to perform.\r\n\r\nRAISE CONTEXT", 0), 0u);
}

TEST_F(ErrorFormTest, ResultsOfTheOtherWaysToClose) {
  bool noErrors = false;
  EXPECT_TRUE(Show("x", [&] { form.OkayNoErrorsButton.Click(); }, &noErrors));
  EXPECT_TRUE(noErrors);
  EXPECT_FALSE(Show("x", [&] { form.CancelButton.Click(); }, &noErrors));
  EXPECT_FALSE(noErrors);
  EXPECT_FALSE(Show("x", [&] { ::PostMessageA(form.OkayButton.Handle(), WM_KEYDOWN, VK_ESCAPE, 0); }));
  // Enter presses the focused button, Okay at first.
  EXPECT_TRUE(Show("x", [&] { ::PostMessageA(form.OkayButton.Handle(), WM_KEYDOWN, VK_RETURN, 0); }));
  EXPECT_FALSE(Show("x", [&] {
    form.CancelButton.Focus();
    ::PostMessageA(form.CancelButton.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  }));
  EXPECT_FALSE(Show("x", [&] { ::PostMessageA(form.Handle(), WM_CLOSE, 0, 0); }));
  EXPECT_EQ(form.RecursionCount(), 0);
}

TEST_F(ErrorFormTest, FailuresWhileShowingAreCountedAndTheCountStartsAgainAfterwards) {
  std::vector<std::string> labels;
  std::vector<bool> results;
  std::string caption, memo, countInReport;
  Show("first", [&] {
    labels.push_back(form.RecursionLabel.Text());
    results.push_back(form.Dialog("Warning", "second", nullptr, "r2"));
    labels.push_back(form.RecursionLabel.Text());
    // A failure in an event handler while the dialog shows, as the program reports it.
    TFunStatContext::OnApplicationException("third");
    labels.push_back(form.RecursionLabel.Text());
    caption = form.Text();
    memo = form.MainMemo.Text();
    form.OkayButton.Click();
  });
  EXPECT_EQ(labels, (std::vector<std::string>{"Recursive attempts = None", "Recursive attempts = 1",
                                              "Recursive attempts = 2"}));
  EXPECT_EQ(results, std::vector<bool>{true});
  EXPECT_EQ(caption, "Error");  // the latest status word
  EXPECT_EQ(memo.rfind("DESCRIPTION\r\nfirst\r\n", 0), 0u);
  std::string label;
  Show("again", [&] {
    label = form.RecursionLabel.Text();
    form.OkayButton.Click();
  });
  EXPECT_EQ(label, "Recursive attempts = None");
}

TEST_F(ErrorFormTest, TheReportCountsTheAttemptsThroughTheGlobalRecord) {
  std::string report;
  GlobalFunStat.Raise("a.cpp", "F", 1, StatusError, "broken");
  Show("first", [&] {
    // The record of a failure inside the loop is built while the counter is 1.
    form.OnShown = nullptr;
    report = GlobalFunStat.ReportText();
    form.OkayButton.Click();
  });
  GlobalFunStat.Clear(StatusPerfect);
  EXPECT_NE(report.find("* Recursive attempts: 1"), std::string::npos);
}

TEST_F(ErrorFormTest, LogPressesAppendTheMemoOnceEachAndKeepTheDialogOpen) {
  test::TempFolder folder;
  platform->FixedProgramPath = folder / "Vorbelle.exe";
  bool stillShowing = false;
  std::string memo;
  Show("Failed to save game.", [&] {
    form.LogButton.Click();
    form.LogButton.Click();
    stillShowing = form.Visible();
    memo = form.MainMemo.Text();
    form.OkayButton.Click();
  });
  EXPECT_TRUE(stillShowing);
  const std::string record = "**********" + memo + "\r\n**********\r\n";
  EXPECT_EQ(test::ReadTextFile(folder / "Errors.log"), record + record);
  EXPECT_EQ(record.rfind("**********DESCRIPTION\r\n", 0), 0u);
  EXPECT_EQ(platform->Beeps, 2);
}

TEST_F(ErrorFormTest, ALogThatCannotBeWrittenGivesNoBeepAndNoMessage) {
  test::TempFolder folder;
  platform->FixedProgramPath = folder / "Vorbelle.exe";
  platform->AllowWrite = [](const std::string&) { return false; };
  Show("x", [&] {
    form.LogButton.Click();
    form.OkayButton.Click();
  });
  EXPECT_EQ(platform->Beeps, 0);
  EXPECT_TRUE(platform->Boxes.empty());
}

TEST_F(ErrorFormTest, HelpAsksForContextZeroAndTerminateEndsTheProcess) {
  std::vector<int> contexts;
  form.ShowHelp = [&](int context) { contexts.push_back(context); };
  bool stillShowing = false;
  Show("x", [&] {
    form.HelpButton.Click();
    stillShowing = form.Visible();
    form.OkayButton.Click();
  });
  EXPECT_EQ(contexts, std::vector<int>{0});
  EXPECT_TRUE(stillShowing);
  try {
    form.TerminateButtonClick();
    ADD_FAILURE() << "terminate returned";
  } catch (const test::TerminateCalled& e) {
    EXPECT_EQ(e.ExitCode, 1);
  }
}

TEST_F(ErrorFormTest, ReportingFramesShowTheirFailuresInIt) {
  std::string caption, memo;
  form.OnShown = [&] {
    caption = form.Text();
    memo = form.MainMemo.Text();
    form.OkayButton.Click();
  };
  StatusFrame frame(VB_HERE, "TVorbelleForm::LoadGameMenuClick", "Failed to load game.");
  frame.Run([&] { frame.Raise(__LINE__, "There is no such file", "C:\\g.vbg"); }, __LINE__);
  EXPECT_EQ(caption, "Error");
  EXPECT_EQ(memo.rfind("DESCRIPTION\r\nFailed to load game.\r\n\r\nRAISE CONTEXT\r\n* Status: Error", 0), 0u);
  EXPECT_NE(memo.find("* Parameter 1: \"C:\\g.vbg\""), std::string::npos);
}

TEST(ErrorFormLifetime, WithoutTheDialogFailuresFallBackToAMessageBox) {
  test::FakePlatformScope platform;
  {
    TErrorForm form;
    ASSERT_TRUE(form.Create());
  }
  EXPECT_EQ(GetErrorDialog(), nullptr);
  GlobalFunStat.ShowErrorDialog("Failed to load game.");
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, "The error-dialog form is not created. You must create it.");
}

}  // namespace
}  // namespace vb
