#include "ui/KeyboardAccess.h"

namespace vb::ui {

void ShowKeyboardCues(HWND root, UINT keyMessage) {
  if (!root) return;
  WORD shown = UISF_HIDEFOCUS;
  if (keyMessage == WM_SYSKEYDOWN) shown |= UISF_HIDEACCEL;
  const WORD hidden = static_cast<WORD>(::SendMessageA(root, WM_QUERYUISTATE, 0, 0)) & shown;
  // The top-level window passes the new state on to all its children (WM_UPDATEUISTATE).
  if (hidden) ::SendMessageA(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, hidden), 0);
}

bool ClickFocusedButton(HWND form) {
  HWND focus = ::GetFocus();
  if (!focus || !::IsChild(form, focus) || !::IsWindowEnabled(focus)) return false;
  const LRESULT code = ::SendMessageA(focus, WM_GETDLGCODE, 0, 0);
  // Push buttons and check boxes; radio buttons move with the arrows instead.
  if (!(code & DLGC_BUTTON) || (code & DLGC_RADIOBUTTON)) return false;
  ::SendMessageA(focus, BM_CLICK, 0, 0);
  return true;
}

}  // namespace vb::ui
