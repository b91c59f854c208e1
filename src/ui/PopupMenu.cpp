#include "ui/PopupMenu.h"

namespace vb::ui {

void PopupMenu::AddItem(const std::string& caption, const std::string& shortcutText,
                        std::function<void()> onClick, std::function<bool()> enabled) {
  items_.push_back({caption, shortcutText, std::move(onClick), std::move(enabled)});
  menu_.reset();
}

void PopupMenu::AddSeparator() {
  items_.push_back({});
  menu_.reset();
}

HMENU PopupMenu::Handle() {
  if (menu_.get()) return menu_.get();
  menu_.reset(::CreatePopupMenu());
  UINT id = 1;
  for (const Item& item : items_) {
    if (item.Caption.empty()) {
      ::AppendMenuA(menu_.get(), MF_SEPARATOR, 0, nullptr);
    } else {
      const std::string text = item.ShortcutText.empty() ? item.Caption : item.Caption + "\t" + item.ShortcutText;
      ::AppendMenuA(menu_.get(), MF_STRING, id, text.c_str());
    }
    ++id;
  }
  return menu_.get();
}

void PopupMenu::Popup(HWND owner, int screenX, int screenY) {
  HMENU menu = Handle();
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].Enabled)
      ::EnableMenuItem(menu, static_cast<UINT>(i + 1), MF_BYCOMMAND | (items_[i].Enabled() ? MF_ENABLED : MF_GRAYED));
  // The owner must be in front for the menu to close when clicked elsewhere.
  ::SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
      menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTBUTTON, screenX, screenY, 0,
      owner, nullptr));
  ::PostMessageA(owner, WM_NULL, 0, 0);
  if (chosen >= 1 && chosen <= items_.size()) {
    const Item& item = items_[chosen - 1];
    if (item.OnClick) item.OnClick();
  }
}

bool PopupMenu::Invoke(const std::string& caption) const {
  for (const Item& item : items_) {
    if (!item.Caption.empty() && item.Caption == caption) {
      if (item.OnClick) item.OnClick();
      return true;
    }
  }
  return false;
}

}  // namespace vb::ui
