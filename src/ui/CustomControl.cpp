#include "ui/CustomControl.h"

#include <windowsx.h>

namespace vb::ui {

namespace {
MouseEvent MakeEvent(MouseButton button, WPARAM wParam, LPARAM lParam) {
  MouseEvent event;
  event.Button = button;
  event.Shift = MouseShiftState(wParam);
  event.X = GET_X_LPARAM(lParam);
  event.Y = GET_Y_LPARAM(lParam);
  return event;
}

void Fire(const std::function<void(const MouseEvent&)>& handler, MouseButton button, WPARAM wParam,
          LPARAM lParam) {
  if (handler) handler(MakeEvent(button, wParam, lParam));
}
}  // namespace

void CustomControl::SetCursorShape(CursorShape shape) {
  if (cursor_ == shape) return;
  cursor_ = shape;
  // Show it at once when the pointer is over this control.
  POINT point{};
  if (Handle() && ::GetCursorPos(&point) && ::WindowFromPoint(point) == Handle()) ShowCursorShape(shape);
}

LRESULT CustomControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Fire(OnMouseDown, MouseButton::Left, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      Fire(OnMouseDown, MouseButton::Right, wParam, lParam);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      Fire(OnMouseDown, MouseButton::Middle, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      Fire(OnMouseUp, MouseButton::Left, wParam, lParam);
      return 0;
    case WM_RBUTTONUP:
      Fire(OnMouseUp, MouseButton::Right, wParam, lParam);
      return 0;
    case WM_MBUTTONUP:
      Fire(OnMouseUp, MouseButton::Middle, wParam, lParam);
      return 0;
    case WM_MOUSEMOVE:
      Fire(OnMouseMove, MouseButton::Left, wParam, lParam);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == Handle()) {
        ShowCursorShape(cursor_);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace vb::ui
