#pragma once
// A custom control that paints its whole area itself in WM_PAINT: it skips the
// background erase, which would only flicker, and repaints when its text
// changes, as the text is part of what it draws.
#include <functional>

#include "ui/CustomControl.h"

namespace vb::ui {

class PaintedControl : public CustomControl {
 public:
  // WM_GETOBJECT (accessibility clients); 0 leaves it to the system.
  std::function<LRESULT(WPARAM wParam, LPARAM lParam)> OnGetObject;

 protected:
  // Paints onto `dc`; `update` is the part of the area that needs painting.
  virtual void Paint(HDC dc, const RECT& update) = 0;
  // The control's font, or the default GUI font when it has none.
  HGDIOBJ FontOrDefault() const;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace vb::ui
