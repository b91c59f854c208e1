#include "ui/CentredLabel.h"

namespace vb::ui {

bool CreateCentredLabel(Label& label, Window& parent, const Bounds& bounds, const std::string& text) {
  if (!label.CreateWrapped(parent, bounds, text)) return false;
  // The static control's alignment is one of its type styles: replace it.
  const LONG_PTR style = ::GetWindowLongPtrA(label.Handle(), GWL_STYLE);
  ::SetWindowLongPtrA(label.Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_CENTER);
  return true;
}

}  // namespace vb::ui
