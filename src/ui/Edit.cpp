#include "ui/Edit.h"

namespace vb::ui {

bool Edit::Create(Window& parent, const Bounds& bounds, const std::string& text, bool readOnly) {
  return CreateSystemControl("EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | (readOnly ? ES_READONLY : 0),
                             WS_EX_CLIENTEDGE, text, bounds, parent);
}

bool Edit::CreateDigits(Window& parent, const Bounds& bounds, int maxLength) {
  if (!CreateSystemControl("EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_NUMBER, WS_EX_CLIENTEDGE, "",
                           bounds, parent))
    return false;
  ::SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
  return true;
}

void Edit::SelectAll() { ::SendMessageA(Handle(), EM_SETSEL, 0, -1); }

bool Memo::Create(Window& parent, const Bounds& bounds, bool readOnly, bool wordWrap) {
  const DWORD scroll = wordWrap ? WS_VSCROLL : WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL;
  return CreateSystemControl(
      "EDIT", WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | scroll | (readOnly ? ES_READONLY : 0),
      WS_EX_CLIENTEDGE, "", bounds, parent);
}

void Memo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  SetText(text);
}

void Memo::SetMemoText(const std::string& text) { SetText(WithCrLfLineEnds(text)); }

std::string WithCrLfLineEnds(const std::string& text) {
  std::string result;
  result.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      result += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      result += "\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace vb::ui
