#include "core/base/PlainRelativePath.h"

#include "core/base/Paths.h"

namespace vb {

bool IsPlainRelativePath(const std::string& path) {
  if (path.empty() || path.size() > kMaxRelativePathLength) return false;
  // Every component follows the rule for a file name inside its folder.
  std::size_t start = 0;
  while (true) {
    const std::size_t end = path.find('\\', start);
    if (!IsPlainFileName(path.substr(start, end == std::string::npos ? std::string::npos : end - start)))
      return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

bool IsPlainName(const std::string& name) { return name.size() <= kMaxRelativePathLength && IsPlainFileName(name); }

}  // namespace vb
