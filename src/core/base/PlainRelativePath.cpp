#include "core/base/PlainRelativePath.h"

#include <cctype>

namespace vb {

namespace {

bool IsDeviceName(const std::string& name) {
  // The system takes "NUL.txt" or "COM1 " for the device itself.
  std::string base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" || base == "CONOUT$")
    return true;
  return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
         base[3] >= '0' && base[3] <= '9';
}

bool IsPlainComponent(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  for (char c : name) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return false;
    switch (c) {
      case '<': case '>': case ':': case '"': case '/': case '|': case '?': case '*':
        return false;
      default:
        break;
    }
  }
  return !IsDeviceName(name);
}

}  // namespace

bool IsPlainRelativePath(const std::string& path) {
  if (path.empty() || path.size() > kMaxRelativePathLength) return false;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = path.find('\\', start);
    if (!IsPlainComponent(path.substr(start, end == std::string::npos ? std::string::npos : end - start)))
      return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

bool IsPlainName(const std::string& name) {
  return name.find('\\') == std::string::npos && IsPlainRelativePath(name);
}

}  // namespace vb
