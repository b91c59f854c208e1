#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/errors/FunStat.h"
#include "core/base/Platform.h"
#include "core/dictionary/WordsList.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace vb {

namespace {
// Every query gets the same answer from the index as from the literal scan.
void ExpectIndexMatchesScan(const TWordsList& list, const std::vector<std::string>& queries) {
  for (const std::string& query : queries)
    EXPECT_EQ(list.IsKnownWord(query), IsKnownWordByScan(list.Entries(), query)) << '"' << query << '"';
}

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}
}  // namespace

TEST(WordsList, LinesEndAtCrLfOrCrLfAndEmptyLinesAreEntries) {
  TWordsList list;
  list.SetText("A\r\nB\nC\rD\n\rE\r\n\r\nF");
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"A", "B", "C", "D", "", "E", "", "F"}));
  EXPECT_EQ(list.Text(), "A\r\nB\r\nC\r\nD\r\n\r\nE\r\n\r\nF\r\n");
  list.SetText("one\r\n");
  EXPECT_EQ(list.Count(), 1u);
  list.SetText("");
  EXPECT_TRUE(list.Empty());
  list.SetText("\r\n\r\n\n");
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"", "", ""}));
  list.SetText(std::string("A\0B\nC", 5));
  EXPECT_EQ(list[0], std::string("A\0B", 3));
}

TEST(WordsList, LookupIgnoresCaseAndNeedsTheFirstEqualEntryToHaveTheWordsLength) {
  test::FakePlatformScope platform;
  TWordsList list;
  list.SetText("Apple\r\nBANANA\r\n\r\napple\r\n");
  EXPECT_TRUE(list.IsKnownWord("APPLE"));
  EXPECT_TRUE(list.IsKnownWord("apple"));
  EXPECT_TRUE(list.IsKnownWord("banana"));
  EXPECT_TRUE(list.IsKnownWord(""));
  EXPECT_FALSE(list.IsKnownWord("APPLES"));
  EXPECT_FALSE(list.IsKnownWord("Appl"));

  TWordsList noEmpty;
  noEmpty.SetText("A\r\nB");
  EXPECT_FALSE(noEmpty.IsKnownWord(""));
  TWordsList none;
  EXPECT_FALSE(none.IsKnownWord("A"));
}

TEST(WordsList, AppendedWordsAreFoundAndEarlierEntriesKeepTheirPlace) {
  test::FakePlatformScope platform;
  TWordsList list;
  list.SetText("\r\n\r\n");
  for (int i = 0; i < 300; ++i) list.Append("WORD" + std::to_string(i));  // grows the index
  for (int i = 0; i < 300; ++i) EXPECT_TRUE(list.IsKnownWord("word" + std::to_string(i)));
  list.Append("Word7");
  std::vector<std::string> queries = {"WORD7", "word7", "WORD300", ""};
  ExpectIndexMatchesScan(list, queries);
  EXPECT_EQ(list.Count(), 303u);
}

TEST(WordsList, IndexAgreesWithTheScanOnAwkwardEntries) {
  test::FakePlatformScope platform;
  // Accented letters in both cases, characters the locale may ignore (soft
  // hyphen, control characters), NUL bytes, duplicates and empty entries.
  const std::string entries =
      "\xC9t\xE9\r\n\xE9T\xC9\r\nSTRASSE\r\nstra\xDF" "e\r\nco-op\r\ncoop\r\nab\xAD\r\nab\r\n\x01xy\r\nxy\r\n"
      "\r\nDUP\r\ndup\r\nDup\r\n" + std::string("nu\0l", 4) + "\r\n\xFFz\r\n\xFF" "Z\r\n\x9C\r\n\x8C\r\n";
  TWordsList list;
  list.SetText(entries);
  std::vector<std::string> queries = list.Entries();
  for (const std::string& entry : list.Entries()) {
    queries.push_back(Lower(entry));
    queries.push_back(GetPlatform().UpperCase(entry));
    queries.push_back(entry + "x");
  }
  queries.insert(queries.end(), {"\xC9T\xC9", "AB", "XY", "nul", "STRA\xDF" "E", "\x01\x02", "missing"});
  ExpectIndexMatchesScan(list, queries);
  if (GetPlatform().CompareTextIgnoreCase("ab\xAD", "ab") == 0) {
    // The soft hyphen is ignored here: the first equal entry is longer than the word.
    EXPECT_FALSE(list.IsKnownWord("ab"));
  }
}

TEST(WordsList, IndexAgreesWithTheScanOnTheShippedLists) {
  test::FakePlatformScope platform;
  const std::string folder = test::SourceFolder() + "data\\VorbelleDictionaries\\";
  for (const char* name : {"English.txt", "Spanish.txt", "Dutch.txt"}) {
    TWordsList list;
    ASSERT_TRUE(list.LoadFromFile(folder + name)) << name;
    ASSERT_GT(list.Count(), 1000u);
    std::vector<std::string> queries;
    // The scan is slow: a few hits and misses spread over the list.
    const std::size_t step = list.Count() / 8;
    for (std::size_t i = step / 2; i < list.Count(); i += step) {
      queries.push_back(Lower(list[i]));
      queries.push_back(list[i] + "Q");
    }
    ExpectIndexMatchesScan(list, queries);
    for (std::size_t i = 0; i < list.Count(); i += 97) EXPECT_TRUE(list.IsKnownWord(Lower(list[i]))) << list[i];
  }
}

TEST(WordsList, AFailedReadKeepsTheEntries) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  TWordsList list;
  list.SetText("KEEP");
  EXPECT_FALSE(list.LoadFromFile(folder / "Missing.txt"));
  EXPECT_EQ(GlobalFunStat.Status, StatusError);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to read words list.");
  EXPECT_TRUE(list.IsKnownWord("keep"));
}

}  // namespace vb
