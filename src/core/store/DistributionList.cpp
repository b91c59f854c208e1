#include "core/store/DistributionList.h"

#include "core/base/PlainRelativePath.h"
#include "core/store/StrictLines.h"

namespace vb {

ParsedDistributionList ParseDistributionList(const std::string& text) {
  ParsedDistributionList parsed;
  SeenNames seen;
  parsed.Valid = ReadStrictLines(
      text, kDistributionListHeader, kMaxDistributionListSize, kMaxRelativePathLength, parsed.Problems,
      [&](std::size_t number, std::string_view line) {
        const std::string path(line);
        auto problem = [&](const char* reason) { parsed.Problems.push_back(LineProblem(number, line, reason)); };
        if (!IsPlainRelativePath(path)) return problem("not a plain path inside the distribution folder");
        if (parsed.Files.size() >= kMaxDistributionEntries) return problem("too many entries");
        if (!seen.Insert(path)) return problem("repeated entry");
        parsed.Files.push_back(path);
      });
  if (!parsed.Valid) parsed.Files.clear();
  return parsed;
}

std::string FormatDistributionList(const std::vector<std::string>& files) {
  std::string text = std::string(kDistributionListHeader) + "\r\n";
  for (const std::string& file : files) text += file + "\r\n";
  return text;
}

}  // namespace vb
