#pragma once
// The player's records as the game keeps them: read once at start from
// "VorbelleStats.ini" in the program folder, fed by the game's events and
// written atomically after every put and when a game ends. A damaged file is
// reported once, kept aside as "VorbelleStats.bad" and a fresh one started; a
// file that cannot be read is left alone (nothing is written over it).
//
// Undo and redo do not change the records: a word counts when it is put.
#include <cstdint>
#include <optional>
#include <string>

#include "core/records/Records.h"

namespace vb {

class TGameRecords {
 public:
  explicit TGameRecords(std::string path) : path_(std::move(path)) {}

  // Reads the file (once; later calls do nothing) and reports a damaged or unreadable one.
  void Load();
  const TRecords& Records() const { return records_; }
  const std::string& Path() const { return path_; }
  bool Saving() const { return saving_; }

  // A game of this dictionary and board size starts (a running one ends unfinished).
  void GameStarted(const std::string& dictionaryName, int columns, int rows, std::optional<std::uint32_t> number);
  void WordPut(const std::string& word, std::int32_t points, std::optional<std::int32_t> best, bool hintUsed);
  void HintUsed();
  // Ends the running game (if any) and writes the file.
  void GameEnded(bool finished);
  bool GameRunning() const { return records_.GameRunning(); }
  // The key of the last game started, for the statistics window.
  const std::optional<TRecordKey>& LastKey() const { return lastKey_; }

 private:
  void Save();

  std::string path_;
  TRecords records_;
  std::optional<TRecordKey> lastKey_;
  bool loaded_ = false;
  bool saving_ = true;  // false while the file on disk must not be replaced
  bool saveFailureReported_ = false;
};

}  // namespace vb
