// The game-number dialog: the suggested number, typing and accepting a number,
// the ways to cancel, and the warning for a number it refuses.
#include <gtest/gtest.h>

#include <string>

#include "app/GameNumberForm.h"
#include "core/errors/MessageBoxes.h"
#include "support/FakePlatform.h"

namespace vb {
namespace {

// A dialog that a fault leaves open fails its test instead of stalling the run.
ui::Form* shownDialog = nullptr;
void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
  if (!shownDialog || !shownDialog->InModalLoop()) return;
  ADD_FAILURE() << "the dialog stayed open";
  shownDialog->EndModal(ui::ModalCancel);
}

class GameNumberFormTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(form.Create()); }

  // Shows the dialog with `suggested` and, once it shows, runs `whileShown`.
  std::optional<std::uint32_t> Ask(std::uint32_t suggested, std::function<void()> whileShown) {
    form.OnShown = std::move(whileShown);
    shownDialog = &form;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 5000, &GiveUp);
    const std::optional<std::uint32_t> number = form.AskGameNumber(suggested);
    ::KillTimer(nullptr, timer);
    shownDialog = nullptr;
    return number;
  }
  void Type(const std::string& keys) {
    for (char key : keys) ::PostMessageA(form.NumberEdit.Handle(), WM_CHAR, static_cast<WPARAM>(key), 0);
  }
  void PressKey(HWND control, WPARAM key) { ::PostMessageA(control, WM_KEYDOWN, key, 0); }

  test::FakePlatformScope platform;
  TGameNumberForm form;
};

TEST_F(GameNumberFormTest, TheSuggestionIsSelectedAndTypingReplacesItWithDigitsOnly) {
  std::string caption, shown;
  DWORD selectionStart = 1, selectionEnd = 0;
  bool numberHasFocus = false;
  const auto number = Ask(20261209, [&] {
    caption = form.Text();
    shown = form.NumberEdit.Text();
    ::SendMessageA(form.NumberEdit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                   reinterpret_cast<LPARAM>(&selectionEnd));
    numberHasFocus = ::GetFocus() == form.NumberEdit.Handle();
    Type("4x2");
    PressKey(form.NumberEdit.Handle(), VK_RETURN);
  });
  EXPECT_EQ(caption, "New numbered game");
  EXPECT_EQ(shown, "20261209");
  EXPECT_EQ(selectionStart, 0u);
  EXPECT_EQ(selectionEnd, 8u);
  EXPECT_TRUE(numberHasFocus);
  EXPECT_EQ(number, 42u) << "the letter is refused, Enter is OK";
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(platform->Boxes.empty());

  // At most eight digits; OK takes the largest game number.
  EXPECT_EQ(Ask(1, [&] {
              Type("999999999");
              ::PostMessageA(form.OkButton.Handle(), BM_CLICK, 0, 0);
            }),
            99999999u);
}

TEST_F(GameNumberFormTest, CancelEscapeAndTheCloseBoxGiveNone) {
  EXPECT_EQ(Ask(7, [&] { form.CancelButton.Click(); }), std::nullopt);
  EXPECT_EQ(Ask(7, [&] { PressKey(form.NumberEdit.Handle(), VK_ESCAPE); }), std::nullopt);
  EXPECT_EQ(Ask(7, [&] { ::PostMessageA(form.Handle(), WM_CLOSE, 0, 0); }), std::nullopt);
  EXPECT_EQ(Ask(7, [&] {
              form.CancelButton.Focus();
              PressKey(form.CancelButton.Handle(), VK_RETURN);
            }),
            std::nullopt);
  EXPECT_TRUE(platform->Boxes.empty());
}

TEST_F(GameNumberFormTest, ARefusedNumberIsWarnedAboutAndTheDialogStaysOpen) {
  std::string suggestedText = "?";
  bool stillShowing = false;
  std::string textAfterWarning;
  const auto number = Ask(0, [&] {
    suggestedText = form.NumberEdit.Text();  // no valid suggestion: empty
    form.OkButton.Click();
    form.NumberEdit.SetText("0");
    form.OkButton.Click();
    form.NumberEdit.SetText("12a");  // as pasted text could be
    form.OkButton.Click();
    stillShowing = form.Visible() && form.InModalLoop();
    textAfterWarning = form.NumberEdit.Text();
    form.NumberEdit.SetText(" 007 ");
    form.OkButton.Click();
  });
  EXPECT_EQ(suggestedText, "");
  EXPECT_TRUE(stillShowing);
  EXPECT_EQ(textAfterWarning, "12a") << "the player corrects what was typed";
  EXPECT_EQ(number, 7u);
  ASSERT_EQ(platform->Boxes.size(), 3u);
  for (const test::ShownBox& box : platform->Boxes) {
    EXPECT_EQ(box.Caption, "Warning");
    EXPECT_EQ(box.Text, "Type a game number from 1 to 99999999.");
    EXPECT_EQ(box.Style, StyleWarning | StyleTaskModal);
  }
}

}  // namespace
}  // namespace vb
