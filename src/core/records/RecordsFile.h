#pragma once
// The records file "VorbelleStats.ini" in the program folder, in the INI format
// of the other files:
//
//   [Records]
//   Version=1
//   Keys=<n>                      0..1000
//   [Key1] .. [Key<n>]            one section per dictionary and board size:
//   Dictionary=English.vbd
//   Columns=15
//   Rows=15
//   GamesPlayed=, GamesFinished=, TotalWords=, TotalPoints=, HintsUsed=,
//   BestMoveTurns=, TurnsCounted=          decimal counters, always written
//   BestScore=, BestScoreWithHints=        only when there is one
//   BestWord=, BestWordPoints=             only when a word was put
//   LongestWord=                           likewise
//   RecentGames=<m>                        0..30, then Recent1 .. Recent<m>,
//   Recent<i>=score,number,hints,finished  oldest first; number 0 for a game
//                                          without one, hints and finished 0 or 1
//
// Numbers are decimal digits only (no sign, blank or hexadecimal form). The
// reader is strict and total: any value missing, malformed or out of range, a
// key twice, a section missing, records that break the rules the events keep
// (RecordsProblem) or another version make the whole file damaged; it never
// throws. A damaged file is kept aside (KeepDamagedRecordsFile) before a fresh
// one is written over it, so nothing the player had is lost silently.
#include <cstddef>
#include <string>

#include "core/records/Records.h"

namespace vb {

inline constexpr int kRecordsFileVersion = 1;
inline constexpr std::size_t kMaxRecordKeys = 1000;
// Far above what 1000 keys with 30 last games each take.
inline constexpr std::size_t kMaxRecordsFileSize = 4u << 20;

enum class TRecordsFileState {
  Missing,     // no file yet: empty records
  Read,        // the records as stored
  Damaged,     // the file is there but is not valid records: empty records
  Unreadable,  // the file is there but could not be read (held, a folder...): empty records
};

struct TRecordsReadResult {
  TRecordsFileState State = TRecordsFileState::Missing;
  TRecords Records;
  std::string Problem;  // why the file is damaged or unreadable; empty otherwise
};

// The text of the file; the parser gives Read or Damaged.
std::string FormatRecords(const TRecords& records);
TRecordsReadResult ParseRecords(const std::string& text);

TRecordsReadResult ReadRecordsFile(const std::string& path);
// Forwarding frame "WriteRecordsFile": the whole file written atomically
// (ReplaceFileContent), so a failed write leaves the old file whole.
bool WriteRecordsFile(const std::string& path, const TRecords& records);

// The file beside `path` that a damaged records file is kept as: the same name
// with the extension ".bad" ("VorbelleStats.bad").
std::string DamagedRecordsPath(const std::string& path);
// Forwarding frame "KeepDamagedRecordsFile": moves the file at `path` to
// DamagedRecordsPath, replacing a file kept there before. True when moved.
bool KeepDamagedRecordsFile(const std::string& path);

}  // namespace vb
