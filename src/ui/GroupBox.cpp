#include "ui/GroupBox.h"

#include "ui/Gdi.h"

namespace vb::ui {

bool GroupBox::Create(Window& parent, const Bounds& bounds, const std::string& caption) {
  if (!CreateCustomControl("VorbelleGroupBox", WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, bounds, parent))
    return false;
  SetText(caption);
  return true;
}

void GroupBox::Paint(HDC dc) {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  FillWithSystemColour(dc, client, COLOR_BTNFACE);
  SelectedObject font(dc, Font() ? static_cast<HGDIOBJ>(Font()) : ::GetStockObject(DEFAULT_GUI_FONT));
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

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintDC paint(Handle());
      Paint(paint.get());
      return 0;
    }
    case WM_SETTEXT: {
      const LRESULT result = DefaultHandling(message, wParam, lParam);
      ::InvalidateRect(Handle(), nullptr, FALSE);
      return result;
    }
    default:
      return CustomControl::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace vb::ui
