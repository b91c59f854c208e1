#include "app/WindowLayout.h"

#include <algorithm>

namespace vb {

WindowPlacement ComputeWindowedPlacement(int workAreaWidth, int workAreaHeight, int minimumWidth,
                                         int minimumHeight) {
  WindowPlacement placement;
  placement.Width = std::max(static_cast<int>(workAreaWidth * 0.95), minimumWidth);
  placement.Height = std::max(static_cast<int>(workAreaHeight * 0.95), minimumHeight);
  // Integer division truncates toward zero, also for the negative offsets of a small screen.
  placement.Left = (workAreaWidth - placement.Width) / 2;
  placement.Top = (workAreaHeight - placement.Height) / 2;
  return placement;
}

}  // namespace vb
