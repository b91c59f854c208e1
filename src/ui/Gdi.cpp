#include "ui/Gdi.h"

namespace vb::ui {

void FillWithSystemColour(HDC dc, const RECT& rect, int systemColour) {
  // System colour brushes are owned by the system and never deleted.
  ::FillRect(dc, &rect, ::GetSysColorBrush(systemColour));
}

void FrameWithSystemColour(HDC dc, const RECT& rect, int width, int systemColour) {
  for (int line = 0; line < width; ++line) {
    RECT ring = rect;
    ::InflateRect(&ring, -line, -line);
    if (ring.right <= ring.left || ring.bottom <= ring.top) return;
    ::FrameRect(dc, &ring, ::GetSysColorBrush(systemColour));
  }
}

}  // namespace vb::ui
