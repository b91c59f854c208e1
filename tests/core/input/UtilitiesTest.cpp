#include <gtest/gtest.h>

#include <stdexcept>

#include "core/errors/FunStat.h"
#include "core/input/Utilities.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"

namespace vb {
namespace {
class FakeBox : public TextInput {
 public:
  explicit FakeBox(std::string text) : text_(std::move(text)) {}
  std::string GetText() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }
  void Focus() override {
    if (refuseFocus) throw std::runtime_error("Cannot focus a disabled or invisible window");
    ++focused;
  }
  bool refuseFocus = false;
  int focused = 0;

 private:
  std::string text_;
};
}  // namespace

TEST(IntFromComboBox, InRangeValuesAndEmptyTextAreSilent) {
  test::FakePlatformScope platform;
  FakeBox thirty("30"), ten("10"), empty("");
  EXPECT_EQ(GetIntFromComboBox(thirty, 10, 30, 15), 30);
  EXPECT_EQ(GetIntFromComboBox(ten, 10, 30, 15), 10);
  EXPECT_EQ(GetIntFromComboBox(empty, 10, 30, 15), 15);
  EXPECT_EQ(empty.GetText(), "");
  EXPECT_TRUE(platform->Boxes.empty());
  EXPECT_EQ(GlobalFunStat.Status, 0);
}

TEST(IntFromComboBox, OutOfRangeWarnsAndFallsBackWithStatusZero) {
  test::FakePlatformScope platform;
  for (const char* text : {"31", "9"}) {
    FakeBox box(text);
    EXPECT_EQ(GetIntFromComboBox(box, 10, 30, 15), 15);
    EXPECT_EQ(box.GetText(), "15");
    EXPECT_EQ(box.focused, 1);
    EXPECT_EQ(GlobalFunStat.Status, 0);
  }
  ASSERT_EQ(platform->Boxes.size(), 2u);
  EXPECT_EQ(platform->Boxes[0].Caption, "Warning");
  EXPECT_EQ(platform->Boxes[0].Text,
            "Integer value outside limits.\nIt will be set to default.\n    * Minimum = 10\n    * Maximum = 30\n"
            "    * Default = 15");
}

TEST(IntFromComboBox, NonNumbersWarnAndLeaveStatusTwo) {
  test::FakePlatformScope platform;
  FakeBox box("abc");
  EXPECT_EQ(GetIntFromComboBox(box, 10, 30, 15), 15);
  EXPECT_EQ(GlobalFunStat.Status, StatusError);
  EXPECT_EQ(GlobalFunStat.FunctionName, "GetIntFromComboBox");
  EXPECT_EQ(GlobalFunStat.Description.rfind("Unhandled exception: ", 0), 0u);
  EXPECT_EQ(box.GetText(), "15");

  FakeBox unlimited("abc");
  EXPECT_EQ(GetIntFromComboBoxUnlimited(unlimited), 0);
  EXPECT_EQ(unlimited.GetText(), "0");
  EXPECT_NE(platform->Boxes.back().Text.find("* Minimum = -2147483648\n    * Maximum = 2147483647\n    * Default = 0"),
            std::string::npos);
}

TEST(IntFromComboBox, ARefusedFocusDoesNotChangeTheResult) {
  test::FakePlatformScope platform;
  FakeBox box("99");
  box.refuseFocus = true;
  EXPECT_EQ(GetIntFromComboBox(box, 10, 30, 15), 15);
  EXPECT_EQ(box.GetText(), "15");
}

TEST(ShiftStates, OnlyElement) {
  EXPECT_TRUE(IsOnlyShiftElement(ShiftBit(CtrlKey), CtrlKey));
  EXPECT_FALSE(IsOnlyShiftElement(ShiftBit(CtrlKey) | ShiftBit(ShiftKey), CtrlKey));
  EXPECT_FALSE(IsOnlyShiftElement(0, CtrlKey));
  EXPECT_TRUE(IsOnlyShiftElement(0, 7));
  EXPECT_FALSE(IsOnlyShiftElement(ShiftBit(AltKey), 7));
}

TEST(ByteOrder, Reverse32) {
  EXPECT_EQ(ReverseByteOrder32(0x12345678u), 0x78563412u);
  EXPECT_EQ(ReverseByteOrder32(0xFF000000u), 0x000000FFu);
}

TEST(Clipboard, CopyReplacesOrAppends) {
  test::FakePlatformScope platform;
  platform->Clipboard = "old ";
  EXPECT_TRUE(CopyTextToClipboard("new", "", false, true));
  EXPECT_EQ(platform->Clipboard, "old new");
  EXPECT_TRUE(CopyTextToClipboard("report", "Failed to copy report to clipboard.", true, false));
  EXPECT_EQ(platform->Clipboard, "report");
  EXPECT_EQ(platform->Beeps, 1);
}

TEST(Clipboard, EmptyTextOnlyWarns) {
  test::FakePlatformScope platform;
  test::ScriptedErrorDialog dialog;
  platform->Clipboard = "kept";
  EXPECT_FALSE(CopyTextToClipboard("", "", false, false));
  EXPECT_EQ(platform->Clipboard, "kept");
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, "There is no text to copy to clipboard.");
  EXPECT_TRUE(dialog.Shown.empty());
}

}  // namespace vb
