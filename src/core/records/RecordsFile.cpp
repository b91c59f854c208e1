#include "core/records/RecordsFile.h"

#include <cstdint>
#include <limits>
#include <new>

#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/errors/StatusFrame.h"
#include "core/store/IniStore.h"
#include "core/store/SafeFileWrite.h"

namespace vb {

namespace {

constexpr const char* kMainSection = "Records";
constexpr std::uint32_t kDirectoryAttribute = 0x10;

std::string KeySection(std::size_t number) { return "Key" + std::to_string(number); }
std::string RecentName(std::size_t number) { return "Recent" + std::to_string(number); }

// Decimal digits only, 0..2147483647.
bool ParseCount(const std::string& text, std::int32_t& value) {
  if (text.empty() || text.size() > 10) return false;
  std::int64_t result = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    result = result * 10 + (c - '0');
  }
  if (result > std::numeric_limits<std::int32_t>::max()) return false;
  value = static_cast<std::int32_t>(result);
  return true;
}

// Thrown inside the parser only; ParseRecords turns it into Damaged.
struct Damage {
  std::string Problem;
};

class Reader {
 public:
  explicit Reader(const TIniStore& store) : store_(store) {}

  bool Has(const std::string& section, const char* key) const {
    std::string value;
    return store_.FindValue(section, key, value);
  }
  std::string Text(const std::string& section, const std::string& key) const {
    std::string value;
    if (!store_.FindValue(section, key, value)) throw Damage{section + ": " + key + " missing"};
    return value;
  }
  std::int32_t Count(const std::string& section, const std::string& key, std::int32_t minimum = 0,
                     std::int32_t maximum = std::numeric_limits<std::int32_t>::max()) const {
    std::int32_t value = 0;
    if (!ParseCount(Text(section, key), value) || value < minimum || value > maximum)
      throw Damage{section + ": " + key + " is not a number from " + std::to_string(minimum) + " to " +
                   std::to_string(maximum)};
    return value;
  }
  std::optional<std::int32_t> OptionalCount(const std::string& section, const char* key) const {
    if (!Has(section, key)) return std::nullopt;
    return Count(section, key);
  }
  std::string Word(const std::string& section, const char* key) const {
    std::string word = Text(section, key);
    if (!IsRecordableWord(word)) throw Damage{section + ": " + key + " is not a word"};
    return word;
  }

 private:
  const TIniStore& store_;
};

TRecentGame ParseRecentGame(const std::string& section, const std::string& key, const std::string& text) {
  std::int32_t fields[4] = {};
  std::size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t comma = i < 3 ? text.find(',', start) : text.size();
    if (comma == std::string::npos || !ParseCount(text.substr(start, comma - start), fields[i]))
      throw Damage{section + ": " + key + " is not score,number,hints,finished"};
    start = comma + 1;
  }
  if (fields[1] > 99999999 || fields[2] > 1 || fields[3] > 1)
    throw Damage{section + ": " + key + " holds a value out of range"};
  TRecentGame game;
  game.Score = fields[0];
  if (fields[1] != 0) game.GameNumber = static_cast<std::uint32_t>(fields[1]);
  game.HintsUsed = fields[2] == 1;
  game.Finished = fields[3] == 1;
  return game;
}

void ParseKey(const Reader& in, std::size_t number, TRecords& records) {
  const std::string s = KeySection(number);
  TRecordKey key;
  key.DictionaryName = in.Text(s, "Dictionary");
  key.Columns = in.Count(s, "Columns");
  key.Rows = in.Count(s, "Rows");
  if (!key.IsValid()) throw Damage{s + ": not a dictionary file name and board size"};

  TKeyRecords r;
  r.GamesPlayed = in.Count(s, "GamesPlayed");
  r.GamesFinished = in.Count(s, "GamesFinished");
  r.TotalWords = in.Count(s, "TotalWords");
  r.TotalPoints = in.Count(s, "TotalPoints");
  r.HintsUsed = in.Count(s, "HintsUsed");
  r.BestMoveTurns = in.Count(s, "BestMoveTurns");
  r.TurnsCounted = in.Count(s, "TurnsCounted");
  r.BestScore = in.OptionalCount(s, "BestScore");
  r.BestScoreWithHints = in.OptionalCount(s, "BestScoreWithHints");
  if (in.Has(s, "BestWord") || in.Has(s, "BestWordPoints"))
    r.BestWord = TBestWord{in.Word(s, "BestWord"), in.Count(s, "BestWordPoints")};
  if (in.Has(s, "LongestWord")) r.LongestWord = in.Word(s, "LongestWord");
  const std::int32_t recent = in.Count(s, "RecentGames", 0, static_cast<std::int32_t>(kRecentGamesKept));
  for (std::int32_t i = 1; i <= recent; ++i)
    r.RecentGames.push_back(ParseRecentGame(s, RecentName(i), in.Text(s, RecentName(i))));

  const std::string problem = RecordsProblem(r);
  if (!problem.empty()) throw Damage{s + ": " + problem};
  if (!records.AddEntry(key, r)) throw Damage{s + ": the same dictionary and board size twice"};
}

TRecordsReadResult Empty(TRecordsFileState state, std::string problem) {
  TRecordsReadResult result;
  result.State = state;
  result.Problem = std::move(problem);
  return result;
}

}  // namespace

std::string FormatRecords(const TRecords& records) {
  TIniStore store;
  const auto count = [&](const std::string& section, const char* key, std::int32_t value) {
    store.SetValue(section, key, std::to_string(value));
  };
  store.SetValue(kMainSection, "Version", std::to_string(kRecordsFileVersion));
  store.SetValue(kMainSection, "Keys", std::to_string(records.Entries().size()));
  std::size_t number = 0;
  for (const TRecords::Entry& entry : records.Entries()) {
    const std::string s = KeySection(++number);
    const TKeyRecords& r = entry.Records;
    store.SetValue(s, "Dictionary", entry.Key.DictionaryName);
    count(s, "Columns", entry.Key.Columns);
    count(s, "Rows", entry.Key.Rows);
    count(s, "GamesPlayed", r.GamesPlayed);
    count(s, "GamesFinished", r.GamesFinished);
    count(s, "TotalWords", r.TotalWords);
    count(s, "TotalPoints", r.TotalPoints);
    count(s, "HintsUsed", r.HintsUsed);
    count(s, "BestMoveTurns", r.BestMoveTurns);
    count(s, "TurnsCounted", r.TurnsCounted);
    if (r.BestScore) count(s, "BestScore", *r.BestScore);
    if (r.BestScoreWithHints) count(s, "BestScoreWithHints", *r.BestScoreWithHints);
    if (r.BestWord) {
      store.SetValue(s, "BestWord", r.BestWord->Word);
      count(s, "BestWordPoints", r.BestWord->Points);
    }
    if (!r.LongestWord.empty()) store.SetValue(s, "LongestWord", r.LongestWord);
    store.SetValue(s, "RecentGames", std::to_string(r.RecentGames.size()));
    std::size_t i = 0;
    for (const TRecentGame& game : r.RecentGames)
      store.SetValue(s, RecentName(++i),
                     std::to_string(game.Score) + "," + std::to_string(game.GameNumber.value_or(0)) + "," +
                         (game.HintsUsed ? "1" : "0") + "," + (game.Finished ? "1" : "0"));
  }
  return store.Render();
}

TRecordsReadResult ParseRecords(const std::string& text) {
  try {
    if (text.size() > kMaxRecordsFileSize) return Empty(TRecordsFileState::Damaged, "larger than records can be");
    TIniStore store;
    store.Parse(text);
    const Reader in(store);
    if (in.Count(kMainSection, "Version") != kRecordsFileVersion)
      return Empty(TRecordsFileState::Damaged, "not version " + std::to_string(kRecordsFileVersion));
    const std::int32_t keys = in.Count(kMainSection, "Keys", 0, static_cast<std::int32_t>(kMaxRecordKeys));
    TRecordsReadResult result;
    result.State = TRecordsFileState::Read;
    for (std::int32_t number = 1; number <= keys; ++number)
      ParseKey(in, static_cast<std::size_t>(number), result.Records);
    return result;
  } catch (const Damage& damage) {
    return Empty(TRecordsFileState::Damaged, damage.Problem);
  } catch (const std::bad_alloc&) {
    return Empty(TRecordsFileState::Damaged, "too large to read");
  } catch (const std::exception& e) {
    // The store's lookups reach the platform; a failure there is not the file's.
    return Empty(TRecordsFileState::Unreadable, e.what());
  }
}

TRecordsReadResult ReadRecordsFile(const std::string& path) {
  try {
    Platform& platform = GetPlatform();
    if (!PathExists(path)) return Empty(TRecordsFileState::Missing, {});
    const std::uint32_t attributes = platform.FileAttributes(path);
    if (attributes != 0xFFFFFFFFu && (attributes & kDirectoryAttribute))
      return Empty(TRecordsFileState::Unreadable, "a folder, not a file");
    std::uint64_t size = 0;
    platform.SetLastError(0);
    if (platform.FileByteSize(path, size) && size > kMaxRecordsFileSize)
      return Empty(TRecordsFileState::Damaged, "larger than records can be");
    std::string content;
    platform.SetLastError(0);
    if (!platform.ReadFileBytes(path, content))
      return Empty(TRecordsFileState::Unreadable, platform.SystemErrorText(platform.GetLastError()));
    return ParseRecords(content);
  } catch (const std::exception& e) {
    return Empty(TRecordsFileState::Unreadable, e.what());
  }
}

bool WriteRecordsFile(const std::string& path, const TRecords& records) {
  bool written = false;
  StatusFrame frame(VB_HERE, "WriteRecordsFile");
  frame.Run([&] {
    const std::string text = FormatRecords(records);
    written = ReplaceFileContent(path, text);
    frame.Adopt();
  }, __LINE__);
  return written;
}

std::string DamagedRecordsPath(const std::string& path) {
  const std::string extension = GetExtension(path);
  return path.substr(0, path.size() - extension.size()) + ".bad";
}

bool KeepDamagedRecordsFile(const std::string& path) {
  bool moved = false;
  StatusFrame frame(VB_HERE, "KeepDamagedRecordsFile");
  frame.Run([&] {
    Platform& platform = GetPlatform();
    const std::string kept = DamagedRecordsPath(path);
    platform.SetLastError(0);
    if (!platform.MoveFileOver(path, kept))
      return frame.Raise(__LINE__, "Failed to keep the damaged records file.", path, kept, platform.GetLastError());
    moved = true;
  }, __LINE__);
  return moved;
}

}  // namespace vb
