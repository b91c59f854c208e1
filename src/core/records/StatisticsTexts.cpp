#include "core/records/StatisticsTexts.h"

#include <cmath>

namespace vb {

namespace {

std::string Counted(std::int64_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string OrNothing(const std::optional<std::int32_t>& value) {
  return value ? std::to_string(*value) : kNothingCounted;
}

// One decimal, independent of the C locale's decimal point.
std::string OneDecimal(double value) {
  const long long tenths = std::llround(std::fabs(value) * 10);
  const std::string sign = value < 0 && tenths > 0 ? "-" : "";
  return sign + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace

std::string RecordKeyText(const TRecordKey& key) {
  return key.DictionaryName + ", " + std::to_string(key.Columns) + " x " + std::to_string(key.Rows);
}

int WholePercent(std::int64_t part, std::int64_t whole) {
  if (whole <= 0 || part <= 0) return 0;
  if (part >= whole) return 100;
  // Rounded half up in integers: (200 * part + whole) / (2 * whole).
  const std::int64_t rounded = (200 * part + whole) / (2 * whole);
  if (rounded <= 0) return 1;
  if (rounded >= 100) return 99;
  return static_cast<int>(rounded);
}

std::vector<TStatisticsRow> StatisticsRows(const TRecordSummary& summary) {
  const TKeyRecords& r = summary.Records;
  std::vector<TStatisticsRow> rows;
  rows.reserve(kStatisticsRowCount);
  rows.push_back({"Games played", std::to_string(r.GamesPlayed)});
  rows.push_back({"Games finished", std::to_string(r.GamesFinished)});
  rows.push_back({"Best score without hints", OrNothing(r.BestScore)});
  rows.push_back({"Best score with hints", OrNothing(r.BestScoreWithHints)});
  rows.push_back({"Best word", r.BestWord ? r.BestWord->Word + " (" + Counted(r.BestWord->Points, "point", "points") + ")"
                                          : kNothingCounted});
  rows.push_back({"Average points per word",
                  summary.AveragePointsPerWord ? OneDecimal(*summary.AveragePointsPerWord) : kNothingCounted});
  rows.push_back({"Longest word", r.LongestWord.empty()
                                      ? kNothingCounted
                                      : r.LongestWord + " (" + Counted(static_cast<std::int64_t>(r.LongestWord.size()),
                                                                       "letter", "letters") + ")"});
  rows.push_back({"Hints used", std::to_string(r.HintsUsed)});
  rows.push_back({"Best move found",
                  r.TurnsCounted > 0 ? std::to_string(WholePercent(r.BestMoveTurns, r.TurnsCounted)) + "% (" +
                                           std::to_string(r.BestMoveTurns) + " of " +
                                           Counted(r.TurnsCounted, "turn", "turns") + ")"
                                     : kNothingCounted});
  return rows;
}

std::vector<TRecordKey> StatisticsKeys(const TRecords& records, const TRecordKey& current,
                                       std::size_t& currentIndex) {
  std::vector<TRecordKey> keys;
  currentIndex = 0;
  bool listed = false;
  for (const TRecords::Entry& entry : records.Entries()) {
    if (!listed && current.IsValid() && entry.Key.SameAs(current)) {
      currentIndex = keys.size();
      listed = true;
    }
    keys.push_back(entry.Key);
  }
  if (!listed && current.IsValid()) {
    currentIndex = keys.size();
    keys.push_back(current);
  }
  return keys;
}

}  // namespace vb
