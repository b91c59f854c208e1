#pragma once
// Layouts are written in pixels at 96 dots per inch. The program is system-DPI
// aware, so every bound and font height is scaled to the screen's DPI here; at
// 96 DPI the values pass through unchanged.
#include <windows.h>

namespace vb::ui {

// The screen's logical DPI (read once), or the override.
int ScreenDpi();
// Tests lay windows out at another DPI; 0 returns to the screen's.
void SetDpiOverride(int dpi);

// A design-pixel value at the current DPI, rounded to nearest.
int Scale(int designPixels);
// The inverse, for reading a scaled size back in design pixels.
int Unscale(int devicePixels);

// Left, top, width, height in design pixels within the parent's client area.
struct Bounds {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

// The bounds at the current DPI.
Bounds ScaleBounds(const Bounds& bounds);

}  // namespace vb::ui
