#include "ui/Dpi.h"

namespace vb::ui {

namespace {
int dpiOverride = 0;

int ReadScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}
}  // namespace

int ScreenDpi() {
  if (dpiOverride > 0) return dpiOverride;
  static const int screenDpi = ReadScreenDpi();
  return screenDpi;
}

void SetDpiOverride(int dpi) { dpiOverride = dpi; }

int Scale(int designPixels) { return ::MulDiv(designPixels, ScreenDpi(), 96); }

int Unscale(int devicePixels) { return ::MulDiv(devicePixels, 96, ScreenDpi()); }

Bounds ScaleBounds(const Bounds& b) { return {Scale(b.Left), Scale(b.Top), Scale(b.Width), Scale(b.Height)}; }

}  // namespace vb::ui
