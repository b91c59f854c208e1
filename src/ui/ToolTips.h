#pragma once
// Hints: one tooltip window per form shows a text for each control that has one.
// Timing: shown after 400 ms, hidden as late as the tooltip allows, the next
// one after 200 ms when the pointer moves between controls. Disabled controls
// show their hints too.
#include <windows.h>

#include <string>

namespace vb::ui {

constexpr int kHintPauseMs = 400;
constexpr int kHintHidePauseMs = 100000;  // the tooltip clamps this to its maximum
constexpr int kHintShortPauseMs = 200;

class ToolTips {
 public:
  ToolTips() = default;
  ~ToolTips();
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;

  // Creates the tooltip window for a top-level window.
  bool Create(HWND form);
  // Gives `control` (a descendant of the form) a hint.
  void Add(HWND control, const std::string& text);
  // The hint of a control, or empty text.
  std::string HintOf(HWND control) const;
  HWND Handle() const { return tip_; }

 private:
  HWND tip_ = nullptr;
};

}  // namespace vb::ui
