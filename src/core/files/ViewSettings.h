#pragma once
// The view settings file "VorbelleSettings.ini" in the program folder: how the
// window shows the game, apart from the options file, which keeps its bytes.
//
//   [Board]
//   Zoom=150        percent of the cell size that fits the board, 100 .. 400
//
// The reader never throws: a file that is missing, damaged (the value missing,
// not decimal digits, or out of range) gives the defaults; a file that is there
// but cannot be read is Unreadable, and the caller then leaves it alone.
#include <cstddef>
#include <string>

namespace vb {

inline constexpr int kMinBoardZoom = 100;
inline constexpr int kMaxBoardZoom = 400;
// Far above what the file takes; a larger one is damaged.
inline constexpr std::size_t kMaxViewSettingsFileSize = 64u << 10;

struct TViewSettings {
  int BoardZoom = kMinBoardZoom;
  bool operator==(const TViewSettings& other) const { return BoardZoom == other.BoardZoom; }
};

enum class TViewSettingsState { Missing, Read, Damaged, Unreadable };

struct TViewSettingsRead {
  TViewSettingsState State = TViewSettingsState::Missing;
  TViewSettings Settings;
};

std::string FormatViewSettings(const TViewSettings& settings);
// Read or Damaged.
TViewSettingsRead ParseViewSettings(const std::string& text);
TViewSettingsRead ReadViewSettingsFile(const std::string& path);
// Forwarding frame "WriteViewSettingsFile": the whole file written atomically.
bool WriteViewSettingsFile(const std::string& path, const TViewSettings& settings);

}  // namespace vb
