#include "ui/Fonts.h"

#include <cstring>

#include "ui/Dpi.h"

namespace vb::ui {

namespace {
FontHandle CreateWithLogicalHeight(const std::string& name, int logicalHeight, unsigned style) {
  LOGFONTA font{};
  font.lfHeight = logicalHeight;
  font.lfWeight = (style & FontBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = (style & FontItalic) ? TRUE : FALSE;
  font.lfUnderline = (style & FontUnderline) ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::strncpy(font.lfFaceName, name.c_str(), LF_FACESIZE - 1);
  return FontHandle(::CreateFontIndirectA(&font));
}
}  // namespace

FontHandle CreateFontByHeight(const std::string& name, int designPixelHeight, unsigned style) {
  // A negative logical height asks for the character height without the leading.
  return CreateWithLogicalHeight(name, -Scale(designPixelHeight), style);
}

FontHandle CreateFontByPoints(const std::string& name, int points, unsigned style) {
  return CreateWithLogicalHeight(name, -::MulDiv(points, ScreenDpi(), 72), style);
}

SIZE MeasureText(HFONT font, const std::string& text) {
  SIZE size{0, 0};
  WindowDC screen(nullptr);
  SelectedObject selected(screen.get(), font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
  ::GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

}  // namespace vb::ui
