#pragma once
// Input, clipboard and bit helpers shared by the game and the installer.
#include <cstdint>
#include <string>

namespace vb {

// Modifier keys and mouse buttons held during an input event.
enum ShiftElement { ShiftKey = 0, AltKey = 1, CtrlKey = 2, LeftButton = 3, RightButton = 4, MiddleButton = 5,
                    DoubleClick = 6 };
using ShiftState = std::uint8_t;  // bit n set = element n held
constexpr ShiftState ShiftBit(ShiftElement element) { return static_cast<ShiftState>(1u << element); }

// True when the state is exactly the set holding that one element (empty for numbers outside 0..6).
bool IsOnlyShiftElement(ShiftState state, int element);

// An editable text control as these helpers see it (a combo box in the window).
class TextInput {
 public:
  virtual ~TextInput() = default;
  virtual std::string GetText() const = 0;
  virtual void SetText(const std::string& text) = 0;
  // Gives the control the input focus; throws when the control refuses it.
  virtual void Focus() = 0;
};

void MyFocusControl(TextInput& control);
std::int32_t GetIntFromComboBox(TextInput& box, std::int32_t minimum, std::int32_t maximum, std::int32_t defaultValue);
std::int32_t GetIntFromComboBoxUnlimited(TextInput& box);

bool CopyTextToClipboard(const std::string& text, const std::string& failureText, bool beep, bool append);

std::uint32_t ReverseByteOrder32(std::uint32_t value);

}  // namespace vb
