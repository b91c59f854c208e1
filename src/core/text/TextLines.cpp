#include "core/text/TextLines.h"

namespace vb {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  // One pass to size the vector keeps large lists from reallocating.
  std::size_t ends = 1;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++ends;
  lines.reserve(ends);
  ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

}  // namespace vb
