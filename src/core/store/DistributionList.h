#pragma once
// The list of the distribution's own files, written by the build beside
// "Install.exe": the installer copies exactly these and nothing else that
// happens to lie in the folder it is started from.
#include <cstddef>
#include <string>
#include <vector>

namespace vb {

inline constexpr const char* kDistributionListName = "Install.lst";
inline constexpr const char* kDistributionListHeader = "Vorbelle distribution files, version 1";
inline constexpr std::size_t kMaxDistributionListSize = 1 << 20;
inline constexpr std::size_t kMaxDistributionEntries = 10000;

struct ParsedDistributionList {
  bool Valid = false;               // false: not a list at all
  std::vector<std::string> Files;   // relative to the distribution folder
  std::vector<std::string> Problems;  // one text per ignored line
};

// One relative path per line after the header. Paths that are not plain, or
// repeated, are ignored with a problem noted.
ParsedDistributionList ParseDistributionList(const std::string& text);
std::string FormatDistributionList(const std::vector<std::string>& files);

}  // namespace vb
