#include "ui/Gdi.h"

namespace vb::ui {

void FillWithSystemColour(HDC dc, const RECT& rect, int systemColour) {
  // System colour brushes are owned by the system and never deleted.
  ::FillRect(dc, &rect, ::GetSysColorBrush(systemColour));
}

}  // namespace vb::ui
