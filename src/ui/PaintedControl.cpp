#include "ui/PaintedControl.h"

#include "ui/Gdi.h"

namespace vb::ui {

HGDIOBJ PaintedControl::FontOrDefault() const {
  return Font() ? static_cast<HGDIOBJ>(Font()) : ::GetStockObject(DEFAULT_GUI_FONT);
}

LRESULT PaintedControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
      PaintDC paint(Handle());
      Paint(paint.get(), paint.UpdateRect());
      return 0;
    }
    case WM_GETOBJECT:
      if (OnGetObject) {
        if (const LRESULT answer = OnGetObject(wParam, lParam)) return answer;
      }
      return CustomControl::HandleMessage(message, wParam, lParam);
    case WM_SETTEXT: {
      const LRESULT result = DefaultHandling(message, wParam, lParam);
      ::InvalidateRect(Handle(), nullptr, FALSE);
      return result;
    }
    default:
      return CustomControl::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace vb::ui
