#pragma once
// A group box: an etched frame with a caption, which can hold child controls and
// reports mouse moves over its own area.
#include <string>

#include "ui/CustomControl.h"

namespace vb::ui {

class GroupBox : public CustomControl {
 public:
  bool Create(Window& parent, const Bounds& bounds, const std::string& caption);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
};

}  // namespace vb::ui
