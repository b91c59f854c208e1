#pragma once
// A letter dragged near an edge of a zoomed board scrolls the board that way,
// a cell at a time while it stays there, so every cell can be reached in one
// drag.
#include <windows.h>

#include "app/BoardViewport.h"
#include "ui/DragManager.h"

namespace vb {

class TDragAutoScroll {
 public:
  static constexpr UINT_PTR kTimer = 2;
  static constexpr UINT kStepMilliseconds = 120;

  TDragAutoScroll(TBoardViewport& viewport, const ui::DragManager& drag) : viewport_(viewport), drag_(drag) {}
  // The window whose WM_TIMER (kTimer) calls Step.
  void Connect(HWND timerWindow) { timerWindow_ = timerWindow; }
  // A drag is over this point of the board's client area.
  void DraggedOver(POINT point);
  // One cell towards the edge the drag was last seen near; stops once the drag
  // ended, left the edge or the board can scroll no further.
  void Step();

 private:
  void Stop();

  TBoardViewport& viewport_;
  const ui::DragManager& drag_;
  HWND timerWindow_ = nullptr;
  POINT last_{0, 0};
  bool running_ = false;
};

}  // namespace vb
