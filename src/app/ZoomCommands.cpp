#include "app/ZoomCommands.h"

#include <windowsx.h>

#include "core/errors/MessageBoxes.h"
#include "core/files/ViewSettings.h"
#include "core/presenter/BoardZoom.h"

namespace vb {

void TZoomCommands::Connect(ui::PaintBox& board) {
  board_ = &board;
  board.OnScroll = [this](int bar, WORD request) { view_.Viewport().ScrollRequest(bar, request); };
}

void TZoomCommands::LoadSettings() {
  const TViewSettingsRead read = ReadViewSettingsFile(settingsPath_);
  saving_ = read.State != TViewSettingsState::Unreadable;
  view_.Viewport().SetInitialZoom(read.Settings.BoardZoom);
}

bool TZoomCommands::CanZoomIn(const TGameViewModel& model) const {
  return model.BoardVisible && NextZoomLevel(view_.Viewport().Zoom()) != view_.Viewport().Zoom();
}

bool TZoomCommands::CanZoomOut(const TGameViewModel& model) const {
  return model.BoardVisible && PreviousZoomLevel(view_.Viewport().Zoom()) != view_.Viewport().Zoom();
}

bool TZoomCommands::CanZoomToFit(const TGameViewModel& model) const {
  return model.BoardVisible && view_.Viewport().Zoom() != kZoomLevels.front();
}

void TZoomCommands::ZoomIn() { ZoomWithKeys(NextZoomLevel(view_.Viewport().Zoom())); }
void TZoomCommands::ZoomOut() { ZoomWithKeys(PreviousZoomLevel(view_.Viewport().Zoom())); }
void TZoomCommands::ZoomToFit() { ZoomWithKeys(kZoomLevels.front()); }

void TZoomCommands::ZoomWithKeys(int percent) {
  TBoardViewport& viewport = view_.Viewport();
  POINT anchor = viewport.VisibleCentre();
  const TKeyboardCursor& cursor = view_.Shown().Cursor;
  if (cursor.Active) {
    const RECT cell = view_.Board().CellRect(cursor.Column, cursor.Row);
    const POINT middle{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    if (viewport.IsInView(middle)) anchor = middle;
  }
  ZoomAround(percent, anchor);
}

void TZoomCommands::ZoomAround(int percent, POINT anchor) {
  if (view_.Viewport().ZoomAround(percent, anchor)) SaveSettings();
}

void TZoomCommands::Wheel(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!view_.Shown().BoardVisible || !board_) return;
  TBoardViewport& viewport = view_.Viewport();
  const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
  const WORD keys = GET_KEYSTATE_WPARAM(wParam);
  if (message == WM_MOUSEHWHEEL) return viewport.ScrollByWheel(SB_HORZ, -delta);
  if (keys & MK_SHIFT) return viewport.ScrollByWheel(SB_HORZ, delta);
  if (!(keys & MK_CONTROL)) return viewport.ScrollByWheel(SB_VERT, delta);
  // One level a notch, around the pointer when it is over the board.
  wheelZoomRest_ += delta;
  const int notches = wheelZoomRest_ / WHEEL_DELTA;
  wheelZoomRest_ -= notches * WHEEL_DELTA;
  int percent = viewport.Zoom();
  for (int step = 0; step < notches; ++step) percent = NextZoomLevel(percent);
  for (int step = 0; step > notches; --step) percent = PreviousZoomLevel(percent);
  POINT anchor{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ScreenToClient(board_->Handle(), &anchor);
  if (!viewport.IsInView(anchor)) anchor = viewport.VisibleCentre();
  ZoomAround(percent, anchor);
}

void TZoomCommands::SaveSettings() {
  if (!saving_) return;
  TViewSettings settings;
  settings.BoardZoom = view_.Viewport().Zoom();
  if (WriteViewSettingsFile(settingsPath_, settings) || saveFailureReported_) return;
  // Once per session: every turn of the wheel would ask again.
  saveFailureReported_ = true;
  ShowWarningText("The zoom could not be saved to \"" + settingsPath_ + "\". The board keeps it for this session.");
}

}  // namespace vb
