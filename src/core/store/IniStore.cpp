#include "core/store/IniStore.h"

#include "core/base/Platform.h"
#include "core/text/TextLines.h"

namespace vb {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool SameName(const std::string& a, std::string_view b) {
  return GetPlatform().CompareTextIgnoreCase(a, std::string(b)) == 0;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The line's key (before its first "="), or false for a line without one.
bool KeyOfLine(const std::string& line, std::string_view& key) {
  std::size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  key = std::string_view(line).substr(0, equals);
  return true;
}

}  // namespace

bool ParseIniInteger(const std::string& text, std::int32_t& value) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool hex = false;
  if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == n) return false;
  // Hexadecimal values are 32-bit patterns (FFFFFFFF is -1); decimal ones must fit.
  const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
  std::uint64_t magnitude = 0;
  for (; i < n; ++i) {
    int digit = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<unsigned>(digit);
    if (magnitude > limit) return false;
  }
  std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  value = static_cast<std::int32_t>(bits);
  return true;
}

void TIniStore::Parse(const std::string& text) {
  sections_.clear();
  Section* current = nullptr;
  // Editors that save as UTF-8 put a byte-order mark first; it is no part of the
  // first line, which would otherwise not be seen as a section header.
  std::string_view content(text);
  if (content.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
    content.remove_prefix(kUtf8ByteOrderMark.size());
  ForEachLine(content, [&](std::string_view line) {
    if (line.empty() || line.front() == ';') return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      sections_.push_back(Section{std::string(line.substr(1, line.size() - 2)), {}, {}, false});
      current = &sections_.back();
      return;
    }
    if (current) current->Lines.emplace_back(line);
  });
}

std::string TIniStore::Render() const {
  std::string text;
  for (const Section& section : sections_) {
    text += "[" + section.Name + "]\r\n";
    for (const std::string& line : section.Lines) text += line + "\r\n";
    text += "\r\n";
  }
  return text;
}

const TIniStore::Section* TIniStore::FindSection(const std::string& name) const {
  for (const Section& section : sections_)
    if (SameName(name, section.Name)) return &section;
  return nullptr;
}

TIniStore::Section* TIniStore::FindSection(const std::string& name) {
  for (Section& section : sections_)
    if (SameName(name, section.Name)) return &section;
  return nullptr;
}

const std::size_t* TIniStore::FindLine(const Section& section, const std::string& key) {
  Platform& platform = GetPlatform();
  if (!section.Indexed) {
    section.KeyIndex.clear();
    for (std::size_t i = 0; i < section.Lines.size(); ++i) {
      std::string_view lineKey;
      if (KeyOfLine(section.Lines[i], lineKey))
        section.KeyIndex.emplace(platform.SortKeyIgnoreCase(std::string(lineKey)), i);  // first one wins
    }
    section.Indexed = true;
  }
  auto found = section.KeyIndex.find(platform.SortKeyIgnoreCase(key));
  return found == section.KeyIndex.end() ? nullptr : &found->second;
}

bool TIniStore::FindValue(const std::string& section, const std::string& key, std::string& value) const {
  const Section* found = FindSection(section);
  if (!found) return false;
  const std::size_t* line = FindLine(*found, key);
  if (!line) return false;
  const std::string& text = found->Lines[*line];
  value = text.substr(text.find('=') + 1);
  return true;
}

void TIniStore::SetValue(const std::string& section, const std::string& key, const std::string& value) {
  Section* found = FindSection(section);
  if (!found) {
    sections_.push_back(Section{section, {}, {}, false});
    found = &sections_.back();
  }
  std::string newLine = key + "=" + value;
  if (const std::size_t* line = FindLine(*found, key)) {
    found->Lines[*line] = std::move(newLine);  // the key keeps its place in the index
    return;
  }
  found->KeyIndex.emplace(GetPlatform().SortKeyIgnoreCase(key), found->Lines.size());
  found->Lines.push_back(std::move(newLine));
}

}  // namespace vb
