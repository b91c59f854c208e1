#pragma once
// What the Statistics window writes: the name of a record key and the rows
// (name, value) shown for a key's summary. A value reads "-" while nothing was
// counted for it.
#include <cstddef>
#include <string>
#include <vector>

#include "core/records/Records.h"

namespace vb {

inline constexpr const char* kNothingCounted = "-";

struct TStatisticsRow {
  std::string Name;
  std::string Value;
  bool operator==(const TStatisticsRow& o) const { return Name == o.Name && Value == o.Value; }
};

// "English.vbd, 15 x 15" (columns x rows).
std::string RecordKeyText(const TRecordKey& key);

// The rows, always the same names in the same order:
// Games played, Games finished, Best score without hints, Best score with
// hints, Best word, Average points per word, Longest word, Hints used, Best
// move found.
std::vector<TStatisticsRow> StatisticsRows(const TRecordSummary& summary);
inline constexpr std::size_t kStatisticsRowCount = 9;

// The keys to choose from: every key with records, in the order first
// recorded, and `current` at the end when it has none yet (and is valid).
// `currentIndex` gets the position of `current`, or 0 when it is not listed.
std::vector<TRecordKey> StatisticsKeys(const TRecords& records, const TRecordKey& current,
                                       std::size_t& currentIndex);

// A share of `part` in `whole` as a whole percentage, rounded, but never 0 for
// a part above 0 nor 100 for a part below the whole. 0 for an empty whole.
int WholePercent(std::int64_t part, std::int64_t whole);

}  // namespace vb
