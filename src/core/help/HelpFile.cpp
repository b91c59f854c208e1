#include "core/help/HelpFile.h"

#include "core/text/TextReflow.h"

#include <cctype>

#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/base/ProgramPaths.h"
#include "core/text/TextLines.h"

namespace vb {

namespace {

const std::string kTopicMark = "@topic";

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

}  // namespace

void THelpFile::Parse(const std::string& text) {
  topics_.clear();
  std::vector<std::string> body;
  auto finishTopic = [&] {
    if (!topics_.empty()) topics_.back().Text = ReflowLines(body);
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
