#include "core/files/ViewSettings.h"

#include <cstdint>

#include "core/base/Platform.h"
#include "core/errors/StatusFrame.h"
#include "core/store/IniStore.h"
#include "core/store/SafeFileWrite.h"

namespace vb {

namespace {

constexpr const char* kBoardSection = "Board";
constexpr const char* kZoomKey = "Zoom";
constexpr std::uint32_t kDirectoryAttribute = 0x10;

// Decimal digits only, within the zoom's range.
bool ParseZoom(const std::string& text, int& value) {
  if (text.empty() || text.size() > 4) return false;
  int result = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    result = result * 10 + (c - '0');
  }
  if (result < kMinBoardZoom || result > kMaxBoardZoom) return false;
  value = result;
  return true;
}

TViewSettingsRead Defaults(TViewSettingsState state) {
  TViewSettingsRead read;
  read.State = state;
  return read;
}

}  // namespace

std::string FormatViewSettings(const TViewSettings& settings) {
  TIniStore store;
  store.SetValue(kBoardSection, kZoomKey, std::to_string(settings.BoardZoom));
  return store.Render();
}

TViewSettingsRead ParseViewSettings(const std::string& text) {
  if (text.size() > kMaxViewSettingsFileSize) return Defaults(TViewSettingsState::Damaged);
  try {
    TIniStore store;
    store.Parse(text);
    std::string value;
    TViewSettingsRead read;
    if (!store.FindValue(kBoardSection, kZoomKey, value) || !ParseZoom(value, read.Settings.BoardZoom))
      return Defaults(TViewSettingsState::Damaged);
    read.State = TViewSettingsState::Read;
    return read;
  } catch (const std::exception&) {
    return Defaults(TViewSettingsState::Damaged);
  }
}

TViewSettingsRead ReadViewSettingsFile(const std::string& path) {
  try {
    Platform& platform = GetPlatform();
    if (!platform.PathExists(path)) return Defaults(TViewSettingsState::Missing);
    const std::uint32_t attributes = platform.FileAttributes(path);
    if (attributes != 0xFFFFFFFFu && (attributes & kDirectoryAttribute)) return Defaults(TViewSettingsState::Unreadable);
    std::uint64_t size = 0;
    if (platform.FileByteSize(path, size) && size > kMaxViewSettingsFileSize) return Defaults(TViewSettingsState::Damaged);
    std::string content;
    if (!platform.ReadFileBytes(path, content)) return Defaults(TViewSettingsState::Unreadable);
    return ParseViewSettings(content);
  } catch (const std::exception&) {
    return Defaults(TViewSettingsState::Unreadable);
  }
}

bool WriteViewSettingsFile(const std::string& path, const TViewSettings& settings) {
  bool written = false;
  StatusFrame frame(VB_HERE, "WriteViewSettingsFile");
  frame.Run([&] {
    written = ReplaceFileContent(path, FormatViewSettings(settings));
    frame.Adopt();
  }, __LINE__);
  return written;
}

}  // namespace vb
