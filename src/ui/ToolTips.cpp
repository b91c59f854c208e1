#include "ui/ToolTips.h"

#include <commctrl.h>

#include <algorithm>

namespace vb::ui {

namespace {
TTTOOLINFOA BaseToolInfo() {
  TTTOOLINFOA info{};
  // The size without the reserved field, understood by every tooltip version.
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  return info;
}
}  // namespace

ToolTips::~ToolTips() {
  if (tip_ && ::IsWindow(tip_)) ::DestroyWindow(tip_);
}

bool ToolTips::Create(HWND form) {
  tip_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
  if (!tip_) return false;
  ::SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(kHintPauseMs, 0));
  ::SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(std::min(kHintHidePauseMs, 32767), 0));
  ::SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(kHintShortPauseMs, 0));
  ::SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, 400);
  return true;
}

void ToolTips::Add(HWND control, const std::string& text) {
  if (!tip_ || !control) return;
  // The control itself, while it is enabled and receives the mouse...
  TTTOOLINFOA own = BaseToolInfo();
  own.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  own.hwnd = ::GetParent(control);
  own.uId = reinterpret_cast<UINT_PTR>(control);
  own.lpszText = const_cast<char*>(text.c_str());
  ::SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&own));
  // ...and its rectangle on the parent, which gets the mouse while it is disabled.
  HWND parent = ::GetParent(control);
  TTTOOLINFOA area = BaseToolInfo();
  area.uFlags = TTF_SUBCLASS;
  area.hwnd = parent;
  area.uId = reinterpret_cast<UINT_PTR>(control) ^ 0x1;
  ::GetWindowRect(control, &area.rect);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area.rect), 2);
  area.lpszText = const_cast<char*>(text.c_str());
  ::SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&area));
}

std::string ToolTips::HintOf(HWND control) const {
  if (!tip_) return {};
  char buffer[1024] = {};
  TTTOOLINFOA info = BaseToolInfo();
  info.hwnd = ::GetParent(control);
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = buffer;
  if (!::SendMessageA(tip_, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info))) return {};
  ::SendMessageA(tip_, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  return buffer;
}

}  // namespace vb::ui
