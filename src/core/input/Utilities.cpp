#include "core/input/Utilities.h"

#include <stdexcept>

#include "core/errors/MessageBoxes.h"
#include "core/base/Platform.h"
#include "core/errors/StatusFrame.h"
#include "core/text/Text.h"

namespace vb {

bool IsOnlyShiftElement(ShiftState state, int element) {
  ShiftState wanted = (element >= 0 && element <= 6) ? static_cast<ShiftState>(1u << element) : 0;
  return state == wanted;
}

void MyFocusControl(TextInput& control) {
  StatusFrame frame(VB_HERE, "MyFocusControl");
  frame.Run([&] { control.Focus(); }, __LINE__);
}

std::int32_t GetIntFromComboBox(TextInput& box, std::int32_t minimum, std::int32_t maximum,
                                std::int32_t defaultValue) {
  std::int32_t value = defaultValue;
  StatusFrame frame(VB_HERE, "GetIntFromComboBox");
  frame.Run([&] {
    std::string text = box.GetText();
    bool outside = false;
    try {
      if (!text.empty()) value = TextToInt(text);
      outside = value < minimum || value > maximum;
    } catch (const std::exception& e) {
      frame.Raise(__LINE__, std::string("Unhandled exception: ") + e.what());
      outside = true;
    }
    if (outside) {
      ShowWarningText("Integer value outside limits.\nIt will be set to default.\n    * Minimum = " +
                      IntToText(minimum) + "\n    * Maximum = " + IntToText(maximum) +
                      "\n    * Default = " + IntToText(defaultValue));
      MyFocusControl(box);
      value = defaultValue;
      box.SetText(IntToText(defaultValue));
    }
  }, __LINE__);
  return value;
}

std::int32_t GetIntFromComboBoxUnlimited(TextInput& box) {
  return GetIntFromComboBox(box, -2147483647 - 1, 2147483647, 0);
}

bool CopyTextToClipboard(const std::string& text, const std::string& failureText, bool beep, bool append) {
  bool copied = false;
  StatusFrame frame(VB_HERE, "CopyTextToClipboard",
                    failureText.empty() ? std::string("Failed to copy text to clipboard.") : failureText);
  frame.Run([&] {
    if (text.empty()) return ShowWarningText("There is no text to copy to clipboard.");
    Platform& platform = GetPlatform();
    std::string content = text;
    if (append) {
      std::string current;
      if (platform.GetClipboardText(current)) content = current + text;
    }
    if (!platform.SetClipboardText(content)) VB_THROW("Cannot write the clipboard.");
    if (beep) BeepDone();
    copied = true;
  }, __LINE__);
  return copied;
}

std::uint32_t ReverseByteOrder32(std::uint32_t v) {
  return (v >> 24) | ((v >> 8) & 0x0000FF00u) | ((v << 8) & 0x00FF0000u) | (v << 24);
}

}  // namespace vb
