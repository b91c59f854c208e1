#pragma once
// The pointer shapes the program uses. All are shared system cursors, never destroyed.
#include <windows.h>

namespace vb::ui {

enum class CursorShape { Default, HandPoint, Drag, NoDrop };

HCURSOR GetCursorHandle(CursorShape shape);
// Shows the shape now (the window keeps it until the next mouse move).
void ShowCursorShape(CursorShape shape);

}  // namespace vb::ui
