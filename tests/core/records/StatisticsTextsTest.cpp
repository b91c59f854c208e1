// The Statistics window's texts and its chart arithmetic: the rows for a key
// with and without records, the keys offered, and axes and bars that stay
// round, inside the plot and free of overflow for any score.
#include <gtest/gtest.h>

#include <limits>

#include "core/records/ChartScale.h"
#include "core/records/StatisticsTexts.h"
#include "support/FakePlatform.h"

namespace vb {
namespace {

const TRecordKey kEnglish{"English.vbd", 15, 15};

std::vector<std::string> Values(const std::vector<TStatisticsRow>& rows) {
  std::vector<std::string> values;
  for (const TStatisticsRow& row : rows) values.push_back(row.Value);
  return values;
}

TEST(StatisticsTexts, RowsOfAKeyWithRecordsAndOfOneWithout) {
  test::FakePlatformScope platform;
  TRecords records;
  records.GameStarted(kEnglish);
  records.WordPut("QUIZ", 40, 40, false);
  records.WordPut("AT", 5, 12, false);
  records.WordPut("STRANGE", 30, std::nullopt, false);
  records.GameEnded(true);
  records.GameStarted(kEnglish);
  records.HintUsed();
  records.WordPut("A", 1, 1, true);
  records.GameEnded(false);

  const std::vector<TStatisticsRow> rows = StatisticsRows(records.Summary(kEnglish));
  ASSERT_EQ(rows.size(), kStatisticsRowCount);
  EXPECT_EQ(rows[0], (TStatisticsRow{"Games played", "2"}));
  EXPECT_EQ(rows[8].Name, "Best move found");
  EXPECT_EQ(Values(rows), (std::vector<std::string>{"2", "1", "75", "1", "QUIZ (40 points)", "19.0",
                                                     "STRANGE (7 letters)", "1", "50% (1 of 2 turns)"}));

  const std::vector<TStatisticsRow> empty = StatisticsRows(records.Summary({"Deutsch.vbd", 15, 15}));
  EXPECT_EQ(Values(empty), (std::vector<std::string>{"0", "0", "-", "-", "-", "-", "-", "0", "-"}));
  EXPECT_EQ(RecordKeyText({"Deutsch.vbd", 20, 12}), "Deutsch.vbd, 20 x 12");
}

TEST(StatisticsTexts, OneOfEverythingAndSharesThatMustNotRoundToAllOrNone) {
  TRecordSummary s;
  s.Records.BestWord = TBestWord{"A", 1};
  s.Records.LongestWord = "A";
  s.Records.BestMoveTurns = 1;
  s.Records.TurnsCounted = 1;
  s.AveragePointsPerWord = 26.25;  // halves round away from zero
  const std::vector<std::string> values = Values(StatisticsRows(s));
  EXPECT_EQ(values[4], "A (1 point)");
  EXPECT_EQ(values[5], "26.3");
  EXPECT_EQ(values[6], "A (1 letter)");
  EXPECT_EQ(values[8], "100% (1 of 1 turn)");

  EXPECT_EQ(WholePercent(21, 50), 42);
  EXPECT_EQ(WholePercent(1, 200), 1);  // 0.5 % rounds up
  EXPECT_EQ(WholePercent(1, 1000), 1);
  EXPECT_EQ(WholePercent(999, 1000), 99);
  EXPECT_EQ(WholePercent(0, 1000), 0);
  EXPECT_EQ(WholePercent(5, 0), 0);
  const std::int32_t most = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(WholePercent(most - 1, most), 99);
}

TEST(StatisticsTexts, TheKeysOfferedIncludeTheCurrentOneOnce) {
  test::FakePlatformScope platform;
  TRecords records;
  for (const TRecordKey& key : {TRecordKey{"Deutsch.vbd", 15, 15}, kEnglish}) {
    records.GameStarted(key);
    records.WordPut("WORT", 8, std::nullopt, false);
    records.GameEnded(true);
  }
  std::size_t current = 99;
  std::vector<TRecordKey> keys = StatisticsKeys(records, {"ENGLISH.VBD", 15, 15}, current);
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(current, 1u);

  keys = StatisticsKeys(records, {"English.vbd", 20, 20}, current);  // no records yet
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(current, 2u);
  EXPECT_EQ(RecordKeyText(keys[2]), "English.vbd, 20 x 20");

  keys = StatisticsKeys(records, {"", 15, 15}, current);  // no dictionary: not offered
  EXPECT_EQ(keys.size(), 2u);
  EXPECT_EQ(current, 0u);
  EXPECT_TRUE(StatisticsKeys(TRecords{}, {}, current).empty());
}

TEST(ChartScale, AxesAreRoundAndReachTheLargestValue) {
  struct Case {
    std::int64_t largest;
    std::int64_t maximum, step;
  };
  for (const Case& c : {Case{0, 1, 1}, Case{-5, 1, 1}, Case{1, 1, 1}, Case{7, 8, 2}, Case{10, 10, 2},
                        Case{11, 15, 5}, Case{87, 100, 20}, Case{312, 400, 100}, Case{1001, 1500, 500}}) {
    const TChartAxis axis = NiceAxis(c.largest);
    EXPECT_EQ(axis.Maximum, c.maximum) << c.largest;
    EXPECT_EQ(axis.Step, c.step) << c.largest;
  }
  const std::int64_t most = std::numeric_limits<std::int32_t>::max();
  const TChartAxis huge = NiceAxis(most);
  EXPECT_EQ(huge.Maximum, 2500000000);  // beyond 32 bits without wrapping
  EXPECT_EQ(AxisTicks(huge).size(), 6u);
  EXPECT_EQ(AxisTicks(NiceAxis(312)), (std::vector<std::int64_t>{0, 100, 200, 300, 400}));
}

TEST(ChartScale, ValuesAndBarsLandInsideThePlot) {
  const TChartRect plot{30, 10, 200, 100};
  const TChartAxis axis = NiceAxis(312);
  EXPECT_EQ(ValueY(plot, axis, 0), 110);
  EXPECT_EQ(ValueY(plot, axis, -7), 110);
  EXPECT_EQ(ValueY(plot, axis, 200), 60);
  EXPECT_EQ(ValueY(plot, axis, 401), 10);
  EXPECT_EQ(ValueY(plot, NiceAxis(std::numeric_limits<std::int32_t>::max()), 1250000000), 60);

  // Bars of every slot count stay in the plot, in order, never overlapping.
  for (std::size_t slots : {std::size_t{1}, std::size_t{7}, std::size_t{30}, std::size_t{100}}) {
    int previousRight = plot.Left;
    for (std::size_t i = 0; i < slots; ++i) {
      const TBarSpan bar = BarSpan(plot, i, slots);
      EXPECT_GE(bar.Width, 1);
      EXPECT_GE(bar.Left, previousRight) << slots << " slots, bar " << i;
      previousRight = bar.Left + bar.Width;
      EXPECT_LE(previousRight, plot.Left + plot.Width);
    }
  }
  EXPECT_EQ(BarSpan(plot, 0, 10).Left, 32);
  EXPECT_EQ(BarSpan(plot, 0, 10).Width, 16);
  EXPECT_EQ(ChartSlots(3), 10u);
  EXPECT_EQ(ChartSlots(30), 30u);
}

}  // namespace
}  // namespace vb
