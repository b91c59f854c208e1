#pragma once
// Fonts by family name, height and style.
#include <string>

#include "ui/Gdi.h"

namespace vb::ui {

enum FontStyle : unsigned { FontRegular = 0, FontBold = 1, FontItalic = 2, FontUnderline = 4 };

// A font whose characters are `designPixelHeight` pixels high at 96 DPI
// (scaled to the screen's DPI).
FontHandle CreateFontByHeight(const std::string& name, int designPixelHeight, unsigned style = FontRegular);
// A font of a size in points (scales with the DPI by definition).
FontHandle CreateFontByPoints(const std::string& name, int points, unsigned style = FontRegular);
// The width and height of a text in a font.
SIZE MeasureText(HFONT font, const std::string& text);

}  // namespace vb::ui
