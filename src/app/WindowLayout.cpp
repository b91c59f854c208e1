#include "app/WindowLayout.h"

#include <algorithm>

namespace vb {

WindowPlacement ComputeWindowedPlacement(int workAreaWidth, int workAreaHeight, int minimumWidth,
                                         int minimumHeight) {
  WindowPlacement placement;
  // 95 per cent in integers: in floating point 1280 x 0.95 truncates to 1215.
  placement.Width = std::max(workAreaWidth * 95 / 100, minimumWidth);
  placement.Height = std::max(workAreaHeight * 95 / 100, minimumHeight);
  // Integer division truncates toward zero, also for the negative offsets of a small screen.
  placement.Left = (workAreaWidth - placement.Width) / 2;
  placement.Top = (workAreaHeight - placement.Height) / 2;
  return placement;
}

}  // namespace vb
