#pragma once
// The player's records, per dictionary and board size: games played and
// finished, best game scores (without and with hints, kept apart), the best and
// the longest word, points per word, hints, how often the player found the best
// move, and the last games' scores. TRecords is a plain value fed by game
// events; RecordsFile.h reads and writes it.
//
// Event semantics:
// - GameStarted(key, number) begins a recorded game; a game still running is
//   first ended as not finished. A key that cannot be recorded (not a plain
//   file name, a board size outside 10..30) starts nothing: the events up to
//   the next GameStarted are ignored.
// - A game ends with GameEnded(finished): at a finish, a new game, a load or
//   when the program closes. Only a game in which at least one word was put
//   counts as played; it then adds to the played (and finished) games, may set
//   a best game score and joins the last games. A game without a put word
//   leaves no trace beyond the hints asked for in it.
// - WordPut and HintUsed count at once (so a summary during a game already
//   shows them, and records saved in the middle of a game keep them). Events
//   without a recorded game running are ignored.
// - A game's score is the sum of the points of the words put while it was
//   recorded. A loaded game that the caller starts recording counts as a game
//   of its own, with only the words put after the load.
// - A game is "with hints" once HintUsed was called in it or a word was put
//   with `hintUsed`; its score then competes only with other such games.
// - A turn counts for the best-move share when the caller knows the turn's best
//   possible score and the word was not put from a hint; it is a best-move turn
//   when the word scored at least that.
// Counters stop at 2147483647 instead of wrapping.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace vb {

inline constexpr std::size_t kRecentGamesKept = 30;
// The longest word a board can hold.
inline constexpr std::size_t kMaxRecordedWordLength = 30;
inline constexpr std::size_t kMaxRecordedDictionaryName = 255;

// Records are kept apart per dictionary (its file name, compared without
// regard to letter case) and board size.
struct TRecordKey {
  std::string DictionaryName;  // "English.vbd"
  int Columns = 15;
  int Rows = 15;
  // A plain file name of at most 255 characters and a board size of 10..30.
  bool IsValid() const;
  bool SameAs(const TRecordKey& other) const;
};

// A word that can be recorded: 1..30 characters, none of them a control character.
bool IsRecordableWord(const std::string& word);

struct TRecentGame {
  std::int32_t Score = 0;
  std::optional<std::uint32_t> GameNumber;  // for a numbered game
  bool HintsUsed = false;
  bool Finished = false;
  bool operator==(const TRecentGame& o) const {
    return Score == o.Score && GameNumber == o.GameNumber && HintsUsed == o.HintsUsed && Finished == o.Finished;
  }
};

struct TBestWord {
  std::string Word;
  std::int32_t Points = 0;
  bool operator==(const TBestWord& o) const { return Word == o.Word && Points == o.Points; }
};

// What is kept for one key, as it is stored. All counters are 0 or more.
struct TKeyRecords {
  std::int32_t GamesPlayed = 0;
  std::int32_t GamesFinished = 0;
  std::optional<std::int32_t> BestScore;           // best of the games without hints
  std::optional<std::int32_t> BestScoreWithHints;  // best of the games with hints
  std::optional<TBestWord> BestWord;               // the first word of the highest points
  std::string LongestWord;                         // the first of the greatest length; empty: none
  std::int32_t TotalWords = 0;
  std::int32_t TotalPoints = 0;
  std::int32_t HintsUsed = 0;
  std::int32_t BestMoveTurns = 0;
  std::int32_t TurnsCounted = 0;
  std::vector<TRecentGame> RecentGames;  // oldest first, at most kRecentGamesKept

  bool operator==(const TKeyRecords& o) const;
  bool operator!=(const TKeyRecords& o) const { return !(*this == o); }
};

// The rules the events always keep; the records file is damaged when a key's
// records break one. Empty when they hold, else the first one broken.
std::string RecordsProblem(const TKeyRecords& records);

// A key's records with what is derived from them; an averages or share is
// none while nothing was counted for it.
struct TRecordSummary {
  TKeyRecords Records;
  std::optional<double> AveragePointsPerWord;
  std::optional<double> AverageRecentScore;  // over RecentGames
  std::optional<double> BestMoveShare;       // 0..1, of the turns counted
};

class TRecords {
 public:
  struct Entry {
    TRecordKey Key;
    TKeyRecords Records;
  };

  // --- Events (semantics above) -------------------------------------------
  void GameStarted(const TRecordKey& key, std::optional<std::uint32_t> gameNumber = std::nullopt);
  // `bestPossiblePoints`: the turn's best possible score, none when unknown.
  // An empty word, or one longer than a board can hold, is ignored; negative
  // points count as 0.
  void WordPut(const std::string& word, std::int32_t points, std::optional<std::int32_t> bestPossiblePoints,
               bool hintUsed);
  void HintUsed();
  void GameEnded(bool finished);
  bool GameRunning() const { return current_.has_value(); }

  // --- Queries -------------------------------------------------------------
  // All zero (and no averages) for a key with nothing recorded.
  TRecordSummary Summary(const TRecordKey& key) const;
  // Every key with records, in the order first recorded.
  const std::vector<Entry>& Entries() const { return entries_; }

  // For the reader: adds a key's records as they were stored. False (nothing
  // added) for an invalid key or one already present.
  bool AddEntry(const TRecordKey& key, const TKeyRecords& records);

  // Compares the stored records, not a game that is running.
  bool operator==(const TRecords& o) const;

 private:
  struct RunningGame {
    TRecordKey Key;
    std::optional<std::uint32_t> GameNumber;
    std::int32_t Score = 0;
    std::int32_t WordsPut = 0;
    bool HintsUsed = false;
  };
  using IndexKey = std::tuple<std::string, int, int>;
  static IndexKey IndexOf(const TRecordKey& key);
  const Entry* Find(const TRecordKey& key) const;
  TKeyRecords& RecordsFor(const TRecordKey& key);

  std::vector<Entry> entries_;
  std::map<IndexKey, std::size_t> index_;
  std::optional<RunningGame> current_;
};

}  // namespace vb
