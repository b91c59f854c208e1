#pragma once
// The INI text format shared by the options, dictionary and game files: sections
// of verbatim "key=value" lines, looked up case-insensitively (first wins).
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vb {

// The integer grammar of stored values: leading blanks, optional sign, decimal
// digits or hexadecimal digits after "$", "x", "X", "0x" or "0X", digits to the
// end, 32-bit signed. False (and `value` untouched) for anything else.
bool ParseIniInteger(const std::string& text, std::int32_t& value);

class TIniStore {
 public:
  struct Section {
    std::string Name;
    std::vector<std::string> Lines;  // verbatim, comments and blank lines dropped
    // The first line of each key, by the locale's case-insensitive sort key; built
    // on the first lookup, so a game file's 1800 keys are not each found by a scan.
    mutable std::unordered_map<std::string, std::size_t> KeyIndex;
    mutable bool Indexed = false;
  };

  // Replaces the content by the parsed text.
  void Parse(const std::string& text);
  // The written form: "[name]", its lines, an empty line; every line ends in CR LF.
  std::string Render() const;
  void Clear() { sections_.clear(); }

  // The value after the first "=" of the first matching line; false when absent.
  bool FindValue(const std::string& section, const std::string& key, std::string& value) const;
  // Replaces the first matching line or appends one (and the section when missing).
  void SetValue(const std::string& section, const std::string& key, const std::string& value);

  const std::vector<Section>& Sections() const { return sections_; }

 private:
  const Section* FindSection(const std::string& name) const;
  Section* FindSection(const std::string& name);
  static const std::size_t* FindLine(const Section& section, const std::string& key);
  std::vector<Section> sections_;
};

}  // namespace vb
