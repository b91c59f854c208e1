#include "ui/PaintBox.h"

#include "ui/Gdi.h"

namespace vb::ui {

bool PaintBox::Create(Window& parent, const Bounds& bounds, bool visible) {
  return CreateCustomControl("VorbellePaintBox", (visible ? WS_VISIBLE : 0) | WS_CLIPSIBLINGS, 0, bounds, parent);
}

void PaintBox::SetTabStop(bool on) {
  if (!Handle()) return;
  const LONG style = ::GetWindowLongA(Handle(), GWL_STYLE);
  ::SetWindowLongA(Handle(), GWL_STYLE, on ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

LRESULT PaintBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      if (OnDialogCode) return OnDialogCode(reinterpret_cast<const MSG*>(lParam));
      break;
    case WM_KEYDOWN:
      if (OnKey) {
        OnKey(static_cast<WORD>(wParam), CurrentKeyShiftState());
        return 0;
      }
      break;
    case WM_CHAR:
      if (OnCharacter) {
        OnCharacter(static_cast<char>(wParam));
        return 0;
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (OnScroll && lParam == 0) {
        OnScroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (OnFocusChange) OnFocusChange(message == WM_SETFOCUS);
      break;
    default:
      break;
  }
  return PaintedControl::HandleMessage(message, wParam, lParam);
}

void PaintBox::PaintNow(const std::function<void(HDC dc)>& draw) {
  if (!Handle() || !::IsWindowVisible(Handle())) return;
  WindowDC dc(Handle());
  if (!dc.get()) return;
  SelectedObject font(dc.get(), FontOrDefault());
  draw(dc.get());
}

void PaintBox::Paint(HDC target, const RECT& update) {
  const int width = update.right - update.left;
  const int height = update.bottom - update.top;
  if (width <= 0 || height <= 0) return;
  MemoryDC buffer(target);
  BitmapHandle bitmap(::CreateCompatibleBitmap(target, width, height));
  if (!buffer.get() || !bitmap) {
    // Out of GDI resources: draw directly rather than not at all.
    if (OnPaint) OnPaint(target);
    return;
  }
  SelectedObject selectedBitmap(buffer.get(), bitmap.get());
  // The buffer shows the update rectangle; drawing code uses area coordinates.
  ::SetViewportOrgEx(buffer.get(), -update.left, -update.top, nullptr);
  FillWithSystemColour(buffer.get(), update, COLOR_BTNFACE);
  {
    SelectedObject font(buffer.get(), FontOrDefault());
    if (OnPaint) OnPaint(buffer.get());
  }
  ::SetViewportOrgEx(buffer.get(), 0, 0, nullptr);
  ::BitBlt(target, update.left, update.top, width, height, buffer.get(), 0, 0, SRCCOPY);
}

}  // namespace vb::ui
