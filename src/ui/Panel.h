#pragma once
// A panel: a container with raised or lowered bevels and an optional caption
// drawn in its centre (the stock letters and the letter tiles are panels).
#include <string>

#include "ui/PaintedControl.h"

namespace vb::ui {

enum class Bevel { None, Lowered, Raised };

struct PanelStyle {
  Bevel Outer = Bevel::Raised;
  Bevel Inner = Bevel::None;
  int BevelWidth = 1;           // design pixels
  bool SingleBorder = false;    // a one-pixel frame line around the bevels
};

class Panel : public PaintedControl {
 public:
  bool Create(Window& parent, const Bounds& bounds, const std::string& caption = {}, const PanelStyle& style = {});
  const PanelStyle& Style() const { return style_; }
  // The client area inside the border and bevels, in device pixels.
  RECT InnerRect() const;

 private:
  void Paint(HDC dc, const RECT& update) override;
  PanelStyle style_;
};

// Draws a bevel of `width` pixels just inside `rect` and shrinks it by that width.
void DrawBevel(HDC dc, RECT& rect, Bevel bevel, int width);

}  // namespace vb::ui
