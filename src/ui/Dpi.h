#pragma once
// Layouts are written in pixels at 96 dots per inch. The program is per-monitor
// DPI aware: every bound and font height is scaled here to the DPI the program
// lays its windows out at, which follows the main window's monitor; at 96 DPI
// the values pass through unchanged.
#include <windows.h>

namespace vb::ui {

// The DPI windows are laid out at: the one set last, else the screen's (read once).
int ScreenDpi();
// Lays windows out at another DPI from now on: the main window's monitor
// changed, or a test lays out at a DPI of its own; 0 returns to the screen's.
void SetLayoutDpi(int dpi);
// Lays out at a DPI until the scope ends, then returns to the DPI before.
class LayoutDpiScope {
 public:
  explicit LayoutDpiScope(int dpi);
  ~LayoutDpiScope();
  LayoutDpiScope(const LayoutDpiScope&) = delete;
  LayoutDpiScope& operator=(const LayoutDpiScope&) = delete;

 private:
  int previous_;
};
// Whether a DPI was set (the screen's is then not used).
bool LayoutDpiSet();

// The DPI of the monitor a window is on, where the system tells it; 0 where it
// cannot (before Windows 10).
int DpiOfWindow(HWND window);

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

// The size of `window` around a client area at the layout DPI: with the frame
// of that DPI where the system has the window at it, else with the frame the
// system draws now.
RECT WindowRectForClient(HWND window, int clientWidth, int clientHeight);

}  // namespace vb::ui
