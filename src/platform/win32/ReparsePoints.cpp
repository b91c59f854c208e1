#include "platform/win32/ReparsePoints.h"

#include <windows.h>

#include "core/base/Paths.h"

namespace vb {

bool IsReparsePoint(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

std::string LinkOnTheWay(const std::string& base, const std::string& relative, bool includingLast) {
  const std::string folder = AddPathDelimiter(base);
  for (std::size_t at = relative.find('\\'); at != std::string::npos; at = relative.find('\\', at + 1)) {
    const std::string step = folder + relative.substr(0, at);
    if (IsReparsePoint(step)) return step;
  }
  if (includingLast && IsReparsePoint(folder + relative)) return folder + relative;
  return {};
}

}  // namespace vb
