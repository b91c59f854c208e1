#include "ui/Cursors.h"

namespace vb::ui {

namespace {
HCURSOR SystemCursor(LPCSTR id) { return ::LoadCursorA(nullptr, id); }

// The drag cursor of the system's drag-and-drop library, when it has one.
HCURSOR DragLibraryCursor() {
  static const HCURSOR cursor = [] {
    HMODULE ole = ::GetModuleHandleA("ole32.dll");
    HCURSOR found = ole ? ::LoadCursorA(ole, MAKEINTRESOURCEA(2)) : nullptr;
    return found ? found : SystemCursor(IDC_ARROW);
  }();
  return cursor;
}
}  // namespace

HCURSOR GetCursorHandle(CursorShape shape) {
  switch (shape) {
    case CursorShape::HandPoint:
      return SystemCursor(IDC_HAND);
    case CursorShape::Drag:
      return DragLibraryCursor();
    case CursorShape::NoDrop:
      return SystemCursor(IDC_NO);
    case CursorShape::Default:
    default:
      return SystemCursor(IDC_ARROW);
  }
}

void ShowCursorShape(CursorShape shape) { ::SetCursor(GetCursorHandle(shape)); }

}  // namespace vb::ui
