#pragma once
// A text label. An auto-sized label grows and shrinks to its text on one line;
// a word-wrapped label keeps its bounds and breaks its text into lines.
#include <string>

#include "ui/Window.h"

namespace vb::ui {

class Label : public Window {
 public:
  // Auto-sized, at design position (left, top).
  bool Create(Window& parent, int left, int top, const std::string& text);
  // Word-wrapped within design bounds.
  bool CreateWrapped(Window& parent, const Bounds& bounds, const std::string& text);

  // Sets the text and, for an auto-sized label, its size.
  void SetCaption(const std::string& text);
  bool AutoSize() const { return autoSize_; }
  void Rescale() override;

 private:
  void FitToText();
  bool autoSize_ = false;
};

}  // namespace vb::ui
