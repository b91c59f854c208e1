#pragma once
// The running executable's path and command line.
#include <cstdint>
#include <string>

namespace vb {

std::string GetProgramPath();
// The program's folder, ending with a path delimiter.
std::string GetProgramFolder();
std::string GetProgramFileName();
// 0 gives the program path; an index beyond the last gives empty text.
std::string GetCommandLineParameter(std::int32_t index);

// What the game keeps in its program folder; the uninstaller removes exactly these.
inline constexpr const char* kOptionsFileName = "Vorbelle.ini";
inline constexpr const char* kErrorLogName = "Errors.log";
inline constexpr const char* kGamesFolderName = "VorbelleGames";
inline constexpr const char* kDictionariesFolderName = "VorbelleDictionaries";
// The player's records, and the damaged records file kept aside.
inline constexpr const char* kRecordsFileName = "VorbelleStats.ini";
inline constexpr const char* kDamagedRecordsFileName = "VorbelleStats.bad";
// How the window shows the game (the board's zoom).
inline constexpr const char* kViewSettingsFileName = "VorbelleSettings.ini";

}  // namespace vb
