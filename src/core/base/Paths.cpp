#include "core/base/Paths.h"

#include "core/base/Platform.h"

namespace vb {

std::string AddPathDelimiter(const std::string& path) {
  if (path.empty() || path.back() == '\\') return path;
  return path + '\\';
}

bool IsDriveName(const std::string& text) { return text.size() >= 2 && text.back() == ':'; }

std::string GetPathPart(const std::string& path) {
  if (IsDriveName(path)) return {};
  std::size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string GetNamePart(const std::string& path) {
  if (IsDriveName(path)) return path;
  std::size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string GetExtension(const std::string& path) {
  std::string name = GetNamePart(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool SameTextAscii(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

bool IsLinkFileName(const std::string& path) {
  std::string extension = GetExtension(path);
  return SameTextAscii(extension, ".lnk") || SameTextAscii(extension, ".pif");
}

bool HasInvalidNameCharacter(const std::string& text) {
  return text.find_first_of("<>|\"*?") != std::string::npos;
}

namespace {

bool IsDeviceName(const std::string& name) {
  // The device is meant whatever the extension: "NUL.txt" is NUL.
  std::string stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
    if (SameTextAscii(stem, device)) return true;
  if (stem.size() == 4 && (SameTextAscii(stem.substr(0, 3), "COM") || SameTextAscii(stem.substr(0, 3), "LPT")))
    return stem[3] >= '0' && stem[3] <= '9';
  return false;
}

}  // namespace

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  if (name.find_first_of("\\/:") != std::string::npos || HasInvalidNameCharacter(name)) return false;
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7F) return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  return !IsDeviceName(name);
}

bool PathExists(const std::string& path) { return !path.empty() && GetPlatform().PathExists(path); }

std::uint32_t GetAttributesOrZero(const std::string& path) {
  std::uint32_t attributes = GetPlatform().FileAttributes(path);
  return attributes == 0xFFFFFFFFu ? 0 : attributes;
}

void ClearReadOnly(const std::string& path) {
  if (GetAttributesOrZero(path) & 1u) GetPlatform().ChangeFileAttributes(path, 0);
}

}  // namespace vb
