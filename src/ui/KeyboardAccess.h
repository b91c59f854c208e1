#pragma once
// Keyboard access that every form gets from the message loops: the focus and
// mnemonic cues show once the keyboard is used, and Enter presses the focused
// button or check box (dialog navigation alone would only send IDOK).
#include <windows.h>

namespace vb::ui {

// A key went down in `root`'s windows: clears the "hide focus rectangles" (and,
// for Alt, "hide underlines") state Windows starts mouse-driven windows with.
void ShowKeyboardCues(HWND root, UINT keyMessage);
// Clicks the enabled button or check box inside `form` that has the focus; false when there is none.
bool ClickFocusedButton(HWND form);

}  // namespace vb::ui
