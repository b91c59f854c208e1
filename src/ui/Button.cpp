#include "ui/Button.h"

namespace vb::ui {

bool Button::Create(Window& parent, const Bounds& bounds, const std::string& caption, bool enabled) {
  if (!CreateSystemControl("BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, caption, bounds, parent))
    return false;
  SetEnabled(enabled);
  return true;
}

void Button::Click() {
  if (Enabled() && OnClick) OnClick();
}

void Button::OnCommandNotification(WORD code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

bool CheckBox::Create(Window& parent, const Bounds& bounds, const std::string& caption, bool checked) {
  if (!CreateSystemControl("BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, caption, bounds, parent))
    return false;
  SetChecked(checked);
  return true;
}

bool CheckBox::Checked() const { return ::SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  ::SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::OnCommandNotification(WORD code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

}  // namespace vb::ui
