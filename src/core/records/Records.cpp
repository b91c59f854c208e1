#include "core/records/Records.h"

#include <algorithm>
#include <limits>

#include "core/base/Paths.h"
#include "core/game/Board.h"
#include "core/text/Cp1252.h"

namespace vb {

namespace {

constexpr std::int32_t kMaxCount = std::numeric_limits<std::int32_t>::max();

void AddSaturating(std::int32_t& counter, std::int32_t amount) {
  counter = amount > kMaxCount - counter ? kMaxCount : counter + amount;
}

void KeepBest(std::optional<std::int32_t>& best, std::int32_t score) {
  if (!best || score > *best) best = score;
}

}  // namespace

bool TRecordKey::IsValid() const {
  return !DictionaryName.empty() && DictionaryName.size() <= kMaxRecordedDictionaryName &&
         IsPlainFileName(DictionaryName) && Columns >= MinBoardSize && Columns <= MaxBoardSize &&
         Rows >= MinBoardSize && Rows <= MaxBoardSize;
}

bool TRecordKey::SameAs(const TRecordKey& other) const {
  return Columns == other.Columns && Rows == other.Rows &&
         UpperCp1252(DictionaryName) == UpperCp1252(other.DictionaryName);
}

bool IsRecordableWord(const std::string& word) {
  if (word.empty() || word.size() > kMaxRecordedWordLength) return false;
  return std::none_of(word.begin(), word.end(), [](char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
  });
}

bool TKeyRecords::operator==(const TKeyRecords& o) const {
  return GamesPlayed == o.GamesPlayed && GamesFinished == o.GamesFinished && BestScore == o.BestScore &&
         BestScoreWithHints == o.BestScoreWithHints && BestWord == o.BestWord && LongestWord == o.LongestWord &&
         TotalWords == o.TotalWords && TotalPoints == o.TotalPoints && HintsUsed == o.HintsUsed &&
         BestMoveTurns == o.BestMoveTurns && TurnsCounted == o.TurnsCounted && RecentGames == o.RecentGames;
}

std::string RecordsProblem(const TKeyRecords& r) {
  for (std::int32_t counter : {r.GamesPlayed, r.GamesFinished, r.TotalWords, r.TotalPoints, r.HintsUsed,
                               r.BestMoveTurns, r.TurnsCounted})
    if (counter < 0) return "a counter below zero";
  if (r.GamesFinished > r.GamesPlayed) return "more games finished than played";
  // Every played game sets one of the two best scores.
  if ((r.GamesPlayed > 0) != (r.BestScore || r.BestScoreWithHints)) return "best scores do not match the games played";
  if ((r.BestScore && *r.BestScore < 0) || (r.BestScoreWithHints && *r.BestScoreWithHints < 0))
    return "a best score below zero";
  // The first word put sets the best and the longest word.
  const bool words = r.TotalWords > 0;
  if (words != r.BestWord.has_value() || words != !r.LongestWord.empty())
    return "best or longest word do not match the words put";
  if (r.BestWord) {
    if (!IsRecordableWord(r.BestWord->Word) || !IsRecordableWord(r.LongestWord)) return "a word that cannot be put";
    if (r.BestWord->Points < 0 || r.BestWord->Points > r.TotalPoints) return "best word points out of range";
    if (r.LongestWord.size() < r.BestWord->Word.size()) return "the longest word is shorter than the best";
  }
  if (r.BestMoveTurns > r.TurnsCounted || r.TurnsCounted > r.TotalWords) return "best-move turns out of range";
  if (r.RecentGames.size() > kRecentGamesKept || r.RecentGames.size() > static_cast<std::size_t>(r.GamesPlayed))
    return "more last games than played";
  for (const TRecentGame& game : r.RecentGames) {
    const std::optional<std::int32_t>& best = game.HintsUsed ? r.BestScoreWithHints : r.BestScore;
    if (game.Score < 0 || !best || game.Score > *best) return "a last game's score beyond its best";
    if (game.GameNumber && (*game.GameNumber < 1 || *game.GameNumber > 99999999u)) return "a game number out of range";
  }
  const auto finished = std::count_if(r.RecentGames.begin(), r.RecentGames.end(),
                                      [](const TRecentGame& game) { return game.Finished; });
  if (finished > r.GamesFinished) return "more last games finished than finished";
  return {};
}

TRecords::IndexKey TRecords::IndexOf(const TRecordKey& key) {
  return {UpperCp1252(key.DictionaryName), key.Columns, key.Rows};
}

const TRecords::Entry* TRecords::Find(const TRecordKey& key) const {
  const auto found = index_.find(IndexOf(key));
  return found == index_.end() ? nullptr : &entries_[found->second];
}

TKeyRecords& TRecords::RecordsFor(const TRecordKey& key) {
  const auto [found, added] = index_.emplace(IndexOf(key), entries_.size());
  if (added) entries_.push_back(Entry{key, TKeyRecords{}});
  return entries_[found->second].Records;
}

bool TRecords::AddEntry(const TRecordKey& key, const TKeyRecords& records) {
  if (!key.IsValid() || Find(key)) return false;
  RecordsFor(key) = records;
  return true;
}

void TRecords::GameStarted(const TRecordKey& key, std::optional<std::uint32_t> gameNumber) {
  if (current_) GameEnded(false);
  if (!key.IsValid()) return;
  current_ = RunningGame{key, gameNumber, 0, 0, false};
}

void TRecords::WordPut(const std::string& word, std::int32_t points, std::optional<std::int32_t> bestPossiblePoints,
                       bool hintUsed) {
  if (!current_ || !IsRecordableWord(word)) return;
  points = std::max<std::int32_t>(points, 0);
  RunningGame& game = *current_;
  AddSaturating(game.Score, points);
  AddSaturating(game.WordsPut, 1);
  if (hintUsed) game.HintsUsed = true;

  TKeyRecords& r = RecordsFor(game.Key);
  AddSaturating(r.TotalWords, 1);
  AddSaturating(r.TotalPoints, points);
  if (!r.BestWord || points > r.BestWord->Points) r.BestWord = TBestWord{word, points};
  // Ties keep the earlier word, for the best and for the longest alike.
  if (word.size() > r.LongestWord.size()) r.LongestWord = word;
  // A turn never counts more than the words put, even once the words stop at the maximum.
  if (bestPossiblePoints && !hintUsed && r.TurnsCounted < r.TotalWords) {
    AddSaturating(r.TurnsCounted, 1);
    if (points >= *bestPossiblePoints) AddSaturating(r.BestMoveTurns, 1);
  }
}

void TRecords::HintUsed() {
  if (!current_) return;
  current_->HintsUsed = true;
  AddSaturating(RecordsFor(current_->Key).HintsUsed, 1);
}

void TRecords::GameEnded(bool finished) {
  if (!current_) return;
  const RunningGame game = *current_;
  current_.reset();
  if (game.WordsPut == 0) return;
  TKeyRecords& r = RecordsFor(game.Key);
  AddSaturating(r.GamesPlayed, 1);
  if (finished) AddSaturating(r.GamesFinished, 1);
  KeepBest(game.HintsUsed ? r.BestScoreWithHints : r.BestScore, game.Score);
  r.RecentGames.push_back(TRecentGame{game.Score, game.GameNumber, game.HintsUsed, finished});
  if (r.RecentGames.size() > kRecentGamesKept) r.RecentGames.erase(r.RecentGames.begin());
}

TRecordSummary TRecords::Summary(const TRecordKey& key) const {
  TRecordSummary summary;
  const Entry* entry = Find(key);
  if (!entry) return summary;
  const TKeyRecords& r = entry->Records;
  summary.Records = r;
  if (r.TotalWords > 0) summary.AveragePointsPerWord = static_cast<double>(r.TotalPoints) / r.TotalWords;
  if (r.TurnsCounted > 0) summary.BestMoveShare = static_cast<double>(r.BestMoveTurns) / r.TurnsCounted;
  if (!r.RecentGames.empty()) {
    double total = 0;
    for (const TRecentGame& game : r.RecentGames) total += game.Score;
    summary.AverageRecentScore = total / static_cast<double>(r.RecentGames.size());
  }
  return summary;
}

bool TRecords::operator==(const TRecords& o) const {
  if (entries_.size() != o.entries_.size()) return false;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& a = entries_[i];
    const Entry& b = o.entries_[i];
    if (a.Key.DictionaryName != b.Key.DictionaryName || a.Key.Columns != b.Key.Columns || a.Key.Rows != b.Key.Rows ||
        a.Records != b.Records)
      return false;
  }
  return true;
}

}  // namespace vb
