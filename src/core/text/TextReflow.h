#pragma once
// Text written with hard line breaks, made ready for a window that wraps lines
// at its own width: the lines of a paragraph or of a list item ("- " or "1. "
// with indented continuation lines) are joined; other indented lines (examples,
// tables) and heading underlines ("=====", "-----") stay as written.
#include <string>
#include <vector>

namespace vb {

// The reflowed lines joined by CR LF, outer blank lines removed.
std::string ReflowLines(const std::vector<std::string>& lines);
// The same for an 8-bit text with CR, LF or CR LF line breaks.
std::string ReflowText(const std::string& text);

}  // namespace vb
