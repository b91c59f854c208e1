#pragma once
// Reading a small line-based file that a user can edit, strictly: it must start
// with its own header line, may not be larger than a limit, and a line that is
// too long is skipped with a problem noted instead of being cut to size.
#include <cctype>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/TextLines.h"

namespace vb {

// Names already met, compared without regard to ASCII case (as the file system does).
class SeenNames {
 public:
  // False when the name was met before.
  bool Insert(const std::string& name) { return names_.insert(KeyOf(name)).second; }
  bool Contains(const std::string& name) const { return names_.count(KeyOf(name)) != 0; }

 private:
  static std::string KeyOf(std::string name) {
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
  }
  std::set<std::string> names_;
};

// The problem text for line `number` (1-based), with the start of the line.
inline std::string LineProblem(std::size_t number, std::string_view line, const std::string& reason) {
  constexpr std::size_t kShown = 80;
  std::string shown(line.substr(0, kShown));
  for (char& c : shown)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  if (line.size() > kShown) shown += "...";
  return "line " + std::to_string(number) + " ignored (" + reason + "): " + shown;
}

// Calls `onLine(number, line)` for every non-empty line after the header. False,
// with a problem noted, when the text is too large or does not start with `header`.
template <class OnLine>
bool ReadStrictLines(std::string_view text, const std::string& header, std::size_t maxSize, std::size_t maxLine,
                     std::vector<std::string>& problems, OnLine&& onLine) {
  if (text.size() > maxSize) {
    problems.push_back("larger than " + std::to_string(maxSize) + " bytes, not read");
    return false;
  }
  std::size_t number = 0;
  bool headerSeen = false;
  ForEachLine(text, [&](std::string_view line) {
    ++number;
    if (number == 1) {
      headerSeen = line == header;
      return;
    }
    if (!headerSeen || line.empty()) return;
    if (line.size() > maxLine) return problems.push_back(LineProblem(number, line, "too long"));
    onLine(number, line);
  });
  if (!headerSeen) problems.push_back("does not start with \"" + header + "\", not read");
  return headerSeen;
}

}  // namespace vb
