#pragma once
// A child window of the program's own drawing that reports mouse presses,
// releases and moves, and shows a chosen pointer shape.
#include <functional>

#include "ui/Cursors.h"
#include "ui/Window.h"

namespace vb::ui {

class CustomControl : public Window {
 public:
  // A double click arrives as a second press.
  std::function<void(const MouseEvent&)> OnMouseDown;
  std::function<void(const MouseEvent&)> OnMouseUp;
  std::function<void(const MouseEvent&)> OnMouseMove;

  void SetCursorShape(CursorShape shape);
  CursorShape GetCursorShape() const { return cursor_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CursorShape cursor_ = CursorShape::Default;
};

}  // namespace vb::ui
