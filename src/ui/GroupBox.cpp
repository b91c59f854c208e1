#include "ui/GroupBox.h"

#include "ui/Gdi.h"

namespace vb::ui {

bool GroupBox::Create(Window& parent, const Bounds& bounds, const std::string& caption) {
  // A container: dialog navigation (Tab, mnemonics) goes through to its controls.
  if (!CreateCustomControl("VorbelleGroupBox", WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
                           bounds, parent))
    return false;
  SetText(caption);
  return true;
}

void GroupBox::Paint(HDC dc, const RECT& /*update*/) {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  FillWithSystemColour(dc, client, COLOR_BTNFACE);
  SelectedObject font(dc, FontOrDefault());
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  // The frame runs through the middle of the caption line.
  RECT frame = client;
  frame.top += metrics.tmHeight / 2;
  ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::string caption = Text();
  if (caption.empty()) return;
  SIZE size{};
  ::GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  const int left = Scale(8);
  RECT text{left, 0, left + size.cx + Scale(4), metrics.tmHeight};
  FillWithSystemColour(dc, text, COLOR_BTNFACE);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  ::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace vb::ui
