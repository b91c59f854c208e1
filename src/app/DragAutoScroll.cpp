#include "app/DragAutoScroll.h"

namespace vb {

void TDragAutoScroll::DraggedOver(POINT point) {
  last_ = point;
  if (running_ || !timerWindow_ || !viewport_.CanScrollTowards(point)) return;
  running_ = ::SetTimer(timerWindow_, kTimer, kStepMilliseconds, nullptr) != 0;
}

void TDragAutoScroll::Step() {
  if (!drag_.Dragging() || !viewport_.ScrollTowards(last_)) Stop();
}

void TDragAutoScroll::Stop() {
  if (running_ && timerWindow_) ::KillTimer(timerWindow_, kTimer);
  running_ = false;
}

}  // namespace vb
