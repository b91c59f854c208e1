#pragma once
// A drop-down combo box, editable or a fixed list, seen by the core's input
// helpers as a TextInput.
#include <functional>
#include <string>
#include <vector>

#include "core/input/Utilities.h"
#include "ui/Window.h"

namespace vb::ui {

class ComboBox : public Window, public TextInput {
 public:
  // Runs when the player picks an item or edits the text.
  std::function<void()> OnChange;

  // Design position and width; the height follows the font. `visibleItems` is
  // how many items the open list shows without scrolling.
  bool Create(Window& parent, int left, int top, int width, const std::vector<std::string>& items,
              bool editable = true, int visibleItems = 8);
  void SetItems(const std::vector<std::string>& items);
  int ItemCount() const;
  int SelectedIndex() const;

  // TextInput.
  std::string GetText() const override;
  // A fixed list selects the matching item (or none).
  void SetText(const std::string& text) override;
  // Throws when the box is hidden or disabled.
  void Focus() override;

 protected:
  void OnCommandNotification(WORD code) override;

 private:
  bool editable_ = true;
};

}  // namespace vb::ui
