#pragma once
// A paint area: the owner draws it. Full paints go through an off-screen bitmap
// so the area never flickers; `PaintNow` draws straight onto the screen for
// small updates such as a single board cell.
#include <functional>

#include "ui/PaintedControl.h"

namespace vb::ui {

class PaintBox : public PaintedControl {
 public:
  // Draws the whole area; the DC's clip is the part that needs painting.
  std::function<void(HDC dc)> OnPaint;

  bool Create(Window& parent, const Bounds& bounds, bool visible = true);
  // Runs `draw` on the area's screen DC at once (when the area is visible).
  void PaintNow(const std::function<void(HDC dc)>& draw);

  // Keyboard: an area with these hooks takes the focus (it is a tab stop) and
  // answers WM_GETDLGCODE with what OnDialogCode gives for the message the
  // dialog navigation is about to handle (null when it asks in general).
  std::function<UINT(const MSG* message)> OnDialogCode;
  std::function<void(WORD key, ShiftState shift)> OnKey;
  std::function<void(char character)> OnCharacter;
  std::function<void(bool focused)> OnFocusChange;
  void SetTabStop(bool on);
  // The area's own scroll bars (set with SetScrollInfo): `bar` is SB_HORZ or
  // SB_VERT, `request` the SB_ code of WM_HSCROLL / WM_VSCROLL.
  std::function<void(int bar, WORD request)> OnScroll;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Draws through an off-screen bitmap of the update rectangle.
  void Paint(HDC target, const RECT& update) override;
};

}  // namespace vb::ui
