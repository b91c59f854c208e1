#include "ui/ComboBox.h"

#include <commctrl.h>

#include <stdexcept>

namespace vb::ui {

bool ComboBox::Create(Window& parent, int left, int top, int width, const std::vector<std::string>& items,
                      bool editable, int visibleItems) {
  editable_ = editable;
  const DWORD kind = editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
  // The window height includes the open list; the edit part follows the font.
  const int listHeight = 24 + visibleItems * 16;
  if (!CreateSystemControl("COMBOBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | kind, 0, "",
                           {left, top, width, listHeight}, parent))
    return false;
  ::SendMessageA(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(visibleItems), 0);
  SetItems(items);
  return true;
}

void ComboBox::SetItems(const std::vector<std::string>& items) {
  ::SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    ::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ComboBox::ItemCount() const { return static_cast<int>(::SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

int ComboBox::SelectedIndex() const { return static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

std::string ComboBox::GetText() const { return Text(); }

void ComboBox::SetText(const std::string& text) {
  const LRESULT index = ::SendMessageA(Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
  if (index != CB_ERR) {
    ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  } else {
    ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    if (editable_) Window::SetText(text);
  }
}

void ComboBox::Focus() {
  if (!::IsWindowVisible(Handle()) || !::IsWindowEnabled(Handle()))
    throw std::runtime_error("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void ComboBox::OnCommandNotification(WORD code) {
  if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && OnChange) OnChange();
}

}  // namespace vb::ui
