#pragma once
// The windowed placement of the main window on a work area: 95 per cent of its
// width and height (never below the minimum), centred from the screen origin.
namespace vb {

struct WindowPlacement {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

WindowPlacement ComputeWindowedPlacement(int workAreaWidth, int workAreaHeight, int minimumWidth,
                                         int minimumHeight);

}  // namespace vb
