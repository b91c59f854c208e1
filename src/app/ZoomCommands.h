#pragma once
// The board's zoom commands (Zoom in, Zoom out, Zoom to fit), the mouse wheel
// over the main window (Ctrl zooms around the pointer, Shift scrolls across,
// alone it scrolls down and up) and the view settings file that remembers the
// zoom between sessions.
#include <windows.h>

#include <string>

#include "app/MainWindowView.h"

namespace vb {

class TZoomCommands {
 public:
  TZoomCommands(TMainWindowView& view, std::string settingsPath)
      : view_(view), settingsPath_(std::move(settingsPath)) {}
  // Lets the board's scroll bars scroll it.
  void Connect(ui::PaintBox& board);
  // The stored zoom, before the window is laid out; a file that cannot be read
  // is never written over.
  void LoadSettings();

  bool CanZoomIn(const TGameViewModel& model) const;
  bool CanZoomOut(const TGameViewModel& model) const;
  bool CanZoomToFit(const TGameViewModel& model) const;
  // Around the keyboard cursor's cell when it is in view, else the visible centre.
  void ZoomIn();
  void ZoomOut();
  void ZoomToFit();
  // WM_MOUSEWHEEL / WM_MOUSEHWHEEL that reached the main window.
  void Wheel(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void ZoomWithKeys(int percent);
  void ZoomAround(int percent, POINT anchor);
  void SaveSettings();

  TMainWindowView& view_;
  ui::PaintBox* board_ = nullptr;
  std::string settingsPath_;
  bool saving_ = true;
  bool saveFailureReported_ = false;
  int wheelZoomRest_ = 0;
};

}  // namespace vb
