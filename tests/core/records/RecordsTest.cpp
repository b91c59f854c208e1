// The records as game events make them: what counts when, hints kept apart,
// keys told apart, and that any run of events keeps the rules the file reader
// checks (so what the game records can always be read back).
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "core/records/Records.h"
#include "support/FakePlatform.h"

namespace vb {
namespace {

const TRecordKey kEnglish{"English.vbd", 15, 15};

TEST(Records, AGameCountsItsWordsTurnsAndScore) {
  TRecords records;
  EXPECT_FALSE(records.Summary(kEnglish).AveragePointsPerWord);  // nothing counted: no averages
  records.GameStarted(kEnglish, 20261209u);
  records.WordPut("QUIZ", 40, 40, false);
  records.WordPut("AT", 5, 12, false);
  records.WordPut("STRANGE", 30, std::nullopt, false);  // best move unknown: not a counted turn
  records.WordPut("STRANGER", 30, 30, false);           // ties keep the earlier best word
  // During the game the words already count, the game does not yet.
  EXPECT_EQ(records.Summary(kEnglish).Records.TotalWords, 4);
  EXPECT_EQ(records.Summary(kEnglish).Records.GamesPlayed, 0);
  records.GameEnded(true);

  const TRecordSummary s = records.Summary({"english.VBD", 15, 15});  // the name's case does not matter
  const TKeyRecords& r = s.Records;
  EXPECT_EQ(r.GamesPlayed, 1);
  EXPECT_EQ(r.GamesFinished, 1);
  EXPECT_EQ(r.BestScore, 105);
  EXPECT_FALSE(r.BestScoreWithHints);
  EXPECT_EQ(r.BestWord, (TBestWord{"QUIZ", 40}));
  EXPECT_EQ(r.LongestWord, "STRANGER");
  EXPECT_EQ(r.TotalPoints, 105);
  EXPECT_EQ(r.TurnsCounted, 3);
  EXPECT_EQ(r.BestMoveTurns, 2);
  EXPECT_DOUBLE_EQ(*s.AveragePointsPerWord, 105.0 / 4);
  EXPECT_DOUBLE_EQ(*s.BestMoveShare, 2.0 / 3);
  EXPECT_DOUBLE_EQ(*s.AverageRecentScore, 105);
  ASSERT_EQ(r.RecentGames.size(), 1u);
  EXPECT_EQ(r.RecentGames[0], (TRecentGame{105, 20261209u, false, true}));
  EXPECT_FALSE(records.GameRunning());
}

TEST(Records, WhatCountsAsAGameAndWhereItIsKept) {
  TRecords records;
  records.WordPut("LOST", 10, 10, false);  // no game running: ignored
  records.HintUsed();
  records.GameEnded(true);
  EXPECT_TRUE(records.Entries().empty());

  // A game with hints competes only with other such games; a hinted turn is not counted.
  records.GameStarted(kEnglish);
  records.HintUsed();
  records.WordPut("HINTED", 90, 90, true);
  // A new game ends the running one, not finished.
  records.GameStarted(kEnglish);
  records.WordPut("OWN", 20, 25, false);
  records.GameEnded(false);
  // A game without a put word is not played, whatever happened in it.
  records.GameStarted(kEnglish);
  records.HintUsed();
  records.GameEnded(true);
  // Another board size or dictionary is kept apart; a key that cannot be recorded records nothing.
  records.GameStarted({"English.vbd", 15, 16});
  records.WordPut("ELSEWHERE", 1, 1, false);
  records.GameEnded(true);
  records.GameStarted({"..\\English.vbd", 15, 15});
  records.WordPut("NOWHERE", 1, 1, false);
  records.GameStarted({"English.vbd", 9, 15});
  records.WordPut("NOWHERE", 1, 1, false);
  records.GameEnded(true);
  records.GameStarted(kEnglish);
  records.WordPut("", 50, 50, false);                      // not a word
  records.WordPut(std::string(31, 'A'), 50, 50, false);    // longer than a board
  records.WordPut("BAD\nWORD", 50, 50, false);             // would break the file
  records.GameEnded(false);

  ASSERT_EQ(records.Entries().size(), 2u);
  const TKeyRecords& r = records.Summary(kEnglish).Records;
  EXPECT_EQ(r.GamesPlayed, 2);
  EXPECT_EQ(r.GamesFinished, 0);
  EXPECT_EQ(r.BestScore, 20);
  EXPECT_EQ(r.BestScoreWithHints, 90);
  EXPECT_EQ(r.HintsUsed, 2);
  EXPECT_EQ(r.TotalWords, 2);
  EXPECT_EQ(r.TurnsCounted, 1);
  EXPECT_EQ(r.BestMoveTurns, 0);
  EXPECT_EQ(r.RecentGames, (std::vector<TRecentGame>{{90, std::nullopt, true, false}, {20, std::nullopt, false, false}}));
  EXPECT_EQ(records.Summary({"English.vbd", 15, 16}).Records.GamesFinished, 1);
  EXPECT_FALSE(records.Summary({"Other.vbd", 15, 15}).BestMoveShare);
}

TEST(Records, LastGamesAreCappedAndCountersStopAtTheTop) {
  TRecords records;
  for (int game = 1; game <= 35; ++game) {
    records.GameStarted(kEnglish, static_cast<std::uint32_t>(game));
    records.WordPut("WORD", std::numeric_limits<std::int32_t>::max(), std::nullopt, false);
    records.WordPut("MORE", 7, std::nullopt, false);
    records.GameEnded(true);
  }
  const TKeyRecords& r = records.Summary(kEnglish).Records;
  ASSERT_EQ(r.RecentGames.size(), kRecentGamesKept);
  EXPECT_EQ(r.RecentGames.front().GameNumber, 6u);  // the oldest dropped first
  EXPECT_EQ(r.RecentGames.back().GameNumber, 35u);
  EXPECT_EQ(r.TotalPoints, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(r.BestScore, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RecordsProblem(r), "");
}

TEST(Records, AnyRunOfEventsKeepsTheRulesTheReaderChecks) {
  test::FakePlatformScope platform;
  std::mt19937 random(2026);
  const char* const words[] = {"A", "QI", "ZAX", "HELLO", "STRANGER", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD"};
  TRecords records;
  for (int step = 0; step < 20000; ++step) {
    const TRecordKey key{random() % 2 ? "English.vbd" : "DEUTSCH.vbd", 10 + static_cast<int>(random() % 3), 15};
    switch (random() % 6) {
      case 0: records.GameStarted(key, random() % 2 ? std::optional<std::uint32_t>(1 + random() % 99999999) : std::nullopt); break;
      case 1: records.HintUsed(); break;
      case 2: records.GameEnded(random() % 2 == 0); break;
      default: {
        const std::int32_t points = static_cast<std::int32_t>(random() % 200) - 10;
        const std::optional<std::int32_t> best =
            random() % 3 ? std::optional<std::int32_t>(static_cast<std::int32_t>(random() % 200)) : std::nullopt;
        records.WordPut(words[random() % 6], points, best, random() % 5 == 0);
      }
    }
  }
  for (const TRecords::Entry& entry : records.Entries()) EXPECT_EQ(RecordsProblem(entry.Records), "");
}

}  // namespace
}  // namespace vb
