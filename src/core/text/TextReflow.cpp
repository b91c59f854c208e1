#include "core/text/TextReflow.h"

#include <cctype>

#include "core/text/TextLines.h"

namespace vb {

namespace {

bool IsBlank(const std::string& line) {
  for (unsigned char c : line)
    if (!std::isspace(c)) return false;
  return true;
}

// A line of three or more "=" or "-" under a heading.
bool IsUnderline(const std::string& line) {
  if (line.size() < 3 || (line[0] != '=' && line[0] != '-')) return false;
  return line.find_first_not_of(line[0]) == std::string::npos;
}

std::string JoinTrimmed(const std::vector<std::string>& lines) {
  std::size_t first = 0, last = lines.size();
  while (first < last && IsBlank(lines[first])) ++first;
  while (last > first && IsBlank(lines[last - 1])) --last;
  std::string text;
  for (std::size_t i = first; i < last; ++i) {
    if (i > first) text += "\r\n";
    text += lines[i];
  }
  return text;
}

bool StartsListItem(const std::string& line) {
  if (line.compare(0, 2, "- ") == 0) return true;
  std::size_t digits = 0;
  while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
  return digits > 0 && line.compare(digits, 2, ". ") == 0;
}

std::string TrimLeft(const std::string& line) {
  std::size_t first = 0;
  while (first < line.size() && (line[first] == ' ' || line[first] == '\t')) ++first;
  return line.substr(first);
}

}  // namespace

std::string ReflowLines(const std::vector<std::string>& lines) {
  enum class Block { None, Paragraph, Item, Verbatim };
  std::vector<std::string> shown;
  Block block = Block::None;
  for (const std::string& line : lines) {
    const bool indented = !line.empty() && (line[0] == ' ' || line[0] == '\t');
    if (IsBlank(line)) {
      shown.emplace_back();
      block = Block::None;
    } else if (IsUnderline(line)) {
      shown.push_back(line);
      block = Block::None;
    } else if (StartsListItem(line)) {
      shown.push_back(line);
      block = Block::Item;
    } else if (indented && block == Block::Item) {
      shown.back() += " " + TrimLeft(line);
    } else if (indented) {
      shown.push_back(line);
      block = Block::Verbatim;
    } else if (block == Block::Paragraph) {
      shown.back() += " " + line;
    } else {
      shown.push_back(line);
      block = Block::Paragraph;
    }
  }
  return JoinTrimmed(shown);
}


std::string ReflowText(const std::string& text) { return ReflowLines(SplitLines(text)); }

}  // namespace vb
