#include "ui/Dpi.h"

namespace vb::ui {

namespace {
int layoutDpi = 0;

int ReadScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

// Windows 10 functions, looked up so the program still starts on older systems.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = ::GetModuleHandleA("user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name))) : nullptr;
}
}  // namespace

int ScreenDpi() {
  if (layoutDpi > 0) return layoutDpi;
  static const int screenDpi = ReadScreenDpi();
  return screenDpi;
}

void SetLayoutDpi(int dpi) { layoutDpi = dpi; }

bool LayoutDpiSet() { return layoutDpi > 0; }

LayoutDpiScope::LayoutDpiScope(int dpi) : previous_(layoutDpi) { layoutDpi = dpi; }

LayoutDpiScope::~LayoutDpiScope() { layoutDpi = previous_; }

int DpiOfWindow(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  return getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
}

int Scale(int designPixels) { return ::MulDiv(designPixels, ScreenDpi(), 96); }

int Unscale(int devicePixels) { return ::MulDiv(devicePixels, 96, ScreenDpi()); }

Bounds ScaleBounds(const Bounds& b) { return {Scale(b.Left), Scale(b.Top), Scale(b.Width), Scale(b.Height)}; }

RECT WindowRectForClient(HWND window, int clientWidth, int clientHeight) {
  using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_EXSTYLE));
  RECT rect{0, 0, clientWidth, clientHeight};
  const int dpi = ScreenDpi();
  const bool systemScalesTheFrame = adjustForDpi && DpiOfWindow(window) == dpi;
  if (!systemScalesTheFrame || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return rect;
}

}  // namespace vb::ui
