#include "ui/Panel.h"

#include "ui/Gdi.h"

namespace vb::ui {

void DrawBevel(HDC dc, RECT& rect, Bevel bevel, int width) {
  if (bevel == Bevel::None) return;
  const int topLeft = bevel == Bevel::Raised ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW;
  const int bottomRight = bevel == Bevel::Raised ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
  for (int i = 0; i < width && rect.right - rect.left > 1 && rect.bottom - rect.top > 1; ++i) {
    FillWithSystemColour(dc, {rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
    FillWithSystemColour(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
    FillWithSystemColour(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    FillWithSystemColour(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    ::InflateRect(&rect, -1, -1);
  }
}

bool Panel::Create(Window& parent, const Bounds& bounds, const std::string& caption, const PanelStyle& style) {
  style_ = style;
  const DWORD frame = style.SingleBorder ? WS_BORDER : 0;
  // A container: dialog navigation (Tab, mnemonics) goes through to its controls.
  if (!CreateCustomControl("VorbellePanel", WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | frame,
                           WS_EX_CONTROLPARENT, bounds, parent))
    return false;
  SetText(caption);
  return true;
}

RECT Panel::InnerRect() const {
  RECT rect{};
  ::GetClientRect(Handle(), &rect);
  const int width = Scale(style_.BevelWidth);
  if (style_.Outer != Bevel::None) ::InflateRect(&rect, -width, -width);
  if (style_.Inner != Bevel::None) ::InflateRect(&rect, -width, -width);
  return rect;
}

void Panel::Paint(HDC dc, const RECT& /*update*/) {
  RECT rect{};
  ::GetClientRect(Handle(), &rect);
  FillWithSystemColour(dc, rect, COLOR_BTNFACE);
  const int width = Scale(style_.BevelWidth);
  DrawBevel(dc, rect, style_.Outer, width);
  DrawBevel(dc, rect, style_.Inner, width);
  const std::string caption = Text();
  if (caption.empty()) return;
  SelectedObject font(dc, FontOrDefault());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  ::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace vb::ui
