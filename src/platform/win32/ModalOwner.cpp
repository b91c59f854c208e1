#include "platform/win32/ModalOwner.h"

namespace vb {

namespace {

// Tool tips and other tool windows are shown top-level windows of the thread
// too, but never hold the activation.
bool IsToolWindow(HWND window) {
  const LONG_PTR exStyle = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (exStyle & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE)) return true;
  char className[32] = "";
  ::GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, "tooltips_class32") == 0;
}

// The modal window in front of `window`, or `window` itself.
HWND FrontOf(HWND window) {
  HWND root = ::GetAncestor(window, GA_ROOTOWNER);
  HWND popup = ::GetLastActivePopup(root ? root : window);
  return CanOwnModal(popup) ? popup : window;
}

BOOL CALLBACK TakeFirstOwner(HWND window, LPARAM found) {
  if (!CanOwnModal(window) || IsToolWindow(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

bool CanOwnModal(HWND window) {
  return window && ::IsWindow(window) && ::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
         ::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId();
}

HWND FindModalOwner() {
  HWND active = ::GetActiveWindow();
  if (CanOwnModal(active)) return active;
  if (active) {
    HWND front = FrontOf(active);
    if (CanOwnModal(front)) return front;
  }
  // The program is not in the foreground: its topmost usable window (the
  // enumeration runs from the top of the z-order).
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), TakeFirstOwner, reinterpret_cast<LPARAM>(&found));
  return found ? FrontOf(found) : nullptr;
}

}  // namespace vb
