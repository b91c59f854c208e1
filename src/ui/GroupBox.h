#pragma once
// A group box: an etched frame with a caption, which can hold child controls and
// reports mouse moves over its own area.
#include <string>

#include "ui/PaintedControl.h"

namespace vb::ui {

class GroupBox : public PaintedControl {
 public:
  bool Create(Window& parent, const Bounds& bounds, const std::string& caption);

 private:
  void Paint(HDC dc, const RECT& update) override;
};

}  // namespace vb::ui
