#pragma once
// A pop-up menu built in code: items with captions, shortcut texts shown at the
// right and click handlers, and separators. Shortcut texts are only shown; the
// owner handles the keys.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Gdi.h"

namespace vb::ui {

class PopupMenu {
 public:
  // `enabled` (when given) is asked each time the menu opens; a disabled item is greyed.
  void AddItem(const std::string& caption, const std::string& shortcutText, std::function<void()> onClick,
               std::function<bool()> enabled = {});
  void AddSeparator();

  // Shows the menu with its top-left corner at a screen point and runs the
  // handler of the chosen item (after the menu has closed).
  void Popup(HWND owner, int screenX, int screenY);
  // Runs the handler of the item with this caption (tests and keys).
  bool Invoke(const std::string& caption) const;

  struct Item {
    std::string Caption;       // empty for a separator
    std::string ShortcutText;
    std::function<void()> OnClick;
    std::function<bool()> Enabled;
  };
  const std::vector<Item>& Items() const { return items_; }
  // The system menu, built on first use.
  HMENU Handle();

 private:
  std::vector<Item> items_;
  MenuHandle menu_;
};

}  // namespace vb::ui
