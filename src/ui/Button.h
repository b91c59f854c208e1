#pragma once
// Push buttons and check boxes. Captions may carry "&" accelerators.
#include <functional>
#include <string>

#include "ui/Window.h"

namespace vb::ui {

class Button : public Window {
 public:
  std::function<void()> OnClick;

  bool Create(Window& parent, const Bounds& bounds, const std::string& caption, bool enabled = true);
  // Runs the click handler as a click by the player would (when enabled).
  void Click();

 protected:
  void OnCommandNotification(WORD code) override;
};

class CheckBox : public Window {
 public:
  // Runs when the player changes the box (not when the program sets it).
  std::function<void()> OnClick;

  bool Create(Window& parent, const Bounds& bounds, const std::string& caption, bool checked = false);
  bool Checked() const;
  void SetChecked(bool checked);

 protected:
  void OnCommandNotification(WORD code) override;
};

}  // namespace vb::ui
