#pragma once
// The window a modal box or dialog of the program belongs to.
#include <windows.h>

namespace vb {

// The program's active window when it can take input; when that window is
// disabled behind a modal one (or nothing of the program is active), the
// modal window in front, that is the last active popup of its top-level
// window. Null before the program shows any window. A box owned by this window
// gives the activation back to exactly it when it closes.
HWND FindModalOwner();

// Whether a window of this thread is shown and takes input, so it can own a box.
bool CanOwnModal(HWND window);

}  // namespace vb
