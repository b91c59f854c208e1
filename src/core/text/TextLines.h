#pragma once
// Splitting 8-bit text into lines the way the program's files are read: a line
// ends at CR, at LF or at the pair CR LF; a last line without an end counts too.
#include <string>
#include <string_view>
#include <vector>

namespace vb {

// Calls `onLine(std::string_view)` for every line, without its end, in order.
// An empty text has no lines; "A\r\n" has one, "A\r\n\r\n" two (the second empty).
template <class OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
  std::size_t start = 0;
  const std::size_t size = text.size();
  while (start < size) {
    std::size_t end = start;
    while (end < size && text[end] != '\r' && text[end] != '\n') ++end;
    onLine(text.substr(start, end - start));
    if (end < size && text[end] == '\r' && end + 1 < size && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

std::vector<std::string> SplitLines(std::string_view text);

}  // namespace vb
