#include "core/HelpFile.h"

#include <cctype>

#include "core/Paths.h"
#include "core/Platform.h"
#include "core/ProgramPaths.h"
#include "core/TextLines.h"

namespace vb {

namespace {

const std::string kTopicMark = "@topic";

bool IsBlank(const std::string& line) {
  for (unsigned char c : line)
    if (!std::isspace(c)) return false;
  return true;
}

// "@topic 100 Title": true with the context and title filled in.
bool ParseTopicLine(const std::string& line, int& context, std::string& title) {
  if (line.compare(0, kTopicMark.size(), kTopicMark) != 0) return false;
  std::size_t pos = kTopicMark.size();
  if (pos >= line.size() || (line[pos] != ' ' && line[pos] != '\t')) return false;
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
  std::size_t digits = pos;
  while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
  if (digits == pos || digits - pos > 9) return false;
  context = std::stoi(line.substr(pos, digits - pos));
  while (digits < line.size() && (line[digits] == ' ' || line[digits] == '\t')) ++digits;
  title = line.substr(digits);
  while (!title.empty() && std::isspace(static_cast<unsigned char>(title.back()))) title.pop_back();
  return true;
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

// The text as the viewer shows it: lines of a paragraph or of a list item are
// joined, so that the window wraps them at its own width. An indented line that
// does not continue a list item (an example, a table of keys) stays as written.
std::string Reflow(const std::vector<std::string>& lines) {
  enum class Block { None, Paragraph, Item, Verbatim };
  std::vector<std::string> shown;
  Block block = Block::None;
  for (const std::string& line : lines) {
    const bool indented = !line.empty() && (line[0] == ' ' || line[0] == '\t');
    if (IsBlank(line)) {
      shown.emplace_back();
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

}  // namespace

void THelpFile::Parse(const std::string& text) {
  topics_.clear();
  std::vector<std::string> body;
  auto finishTopic = [&] {
    if (!topics_.empty()) topics_.back().Text = Reflow(body);
    body.clear();
  };
  for (const std::string& line : SplitLines(text)) {
    THelpTopic topic;
    if (ParseTopicLine(line, topic.Context, topic.Title)) {
      finishTopic();
      topics_.push_back(topic);
    } else if (!topics_.empty() && (line.empty() || line[0] != ';')) {
      body.push_back(line);
    }
  }
  finishTopic();
}

bool THelpFile::Load(const std::string& path) {
  topics_.clear();
  std::string content;
  Platform& platform = GetPlatform();
  if (!platform.PathExists(path) || !platform.ReadFileBytes(path, content)) return false;
  Parse(content);
  return true;
}

int THelpFile::IndexOf(int context) const {
  for (std::size_t i = 0; i < topics_.size(); ++i)
    if (topics_[i].Context == context) return static_cast<int>(i);
  return -1;
}

std::string HelpFilePath() { return AddPathDelimiter(GetProgramFolder()) + "Help.hlp"; }

}  // namespace vb
