#include "ui/Label.h"

#include "ui/Gdi.h"

namespace vb::ui {

bool Label::Create(Window& parent, int left, int top, const std::string& text) {
  autoSize_ = true;
  if (!CreateSystemControl("STATIC", WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, text, {left, top, 1, 1},
                           parent))
    return false;
  FitToText();
  return true;
}

bool Label::CreateWrapped(Window& parent, const Bounds& bounds, const std::string& text) {
  autoSize_ = false;
  return CreateSystemControl("STATIC", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, text, bounds, parent);
}

void Label::SetCaption(const std::string& text) {
  SetText(text);
  if (autoSize_) FitToText();
}

void Label::Rescale() {
  Window::Rescale();
  if (autoSize_) FitToText();
}

void Label::FitToText() {
  const std::string text = Text();
  WindowDC screen(nullptr);
  SelectedObject font(screen.get(), Font() ? static_cast<HGDIOBJ>(Font()) : ::GetStockObject(DEFAULT_GUI_FONT));
  RECT size{0, 0, 0, 0};
  // An empty label keeps the height of one line.
  const std::string measured = text.empty() ? " " : text;
  ::DrawTextA(screen.get(), measured.c_str(), static_cast<int>(measured.size()), &size,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  // The static control needs a pixel beyond the measured text, or it clips the
  // last character's overhang (a closing quote, an italic or bold end).
  const int width = text.empty() ? 0 : size.right - size.left + 2;
  ::SetWindowPos(Handle(), nullptr, 0, 0, width, size.bottom - size.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace vb::ui
