#include <gtest/gtest.h>

#include <map>
#include <random>

#include "core/coach/CoachTestSupport.h"
#include "core/coach/WordGraph.h"
#include "core/dictionary/Dictionary.h"
#include "platform/DefaultPlatform.h"

namespace vb {
namespace {

TEST(WordGraph, HoldsExactlyTheFoldedEntries) {
  std::mt19937 random(11);
  std::vector<std::string> words = test::RandomWords("ABCDEFG", 3000, 9, random);
  const std::set<std::string> entries(words.begin(), words.end());
  const TWordGraph graph = TWordGraph::Build(words, TLetterFold());
  EXPECT_EQ(graph.WordsCount(), entries.size());
  for (const std::string& word : entries) EXPECT_TRUE(graph.HasFold(word)) << word;
  for (const std::string& other : test::RandomWords("ABCDEFG", 3000, 10, random))
    EXPECT_EQ(graph.HasFold(other), entries.count(other) == 1) << other;
  EXPECT_FALSE(graph.HasFold(""));
  EXPECT_FALSE(TWordGraph::Build({}, TLetterFold()).HasFold("A"));
}

TEST(WordGraph, SharesCommonEndings) {
  // CAT, BAT, CATS, BATS: a start node, one for "AT" and one for "S".
  const TWordGraph graph = TWordGraph::Build({"CATS", "CAT", "BATS", "BAT", "CAT"}, TLetterFold());
  EXPECT_EQ(graph.EdgesCount(), 1u + 2u + 1u + 1u + 1u);
  EXPECT_TRUE(graph.HasFold("BAT"));
  EXPECT_FALSE(graph.HasFold("BA"));
  EXPECT_FALSE(graph.HasFold("CATSS"));
}

TEST(LetterFold, FollowsTheLocaleComparison) {
  test::GermanFoldPlatform german;
  TAlphabet alphabet{};
  const std::string letters = "ABEKSTU\xDF";
  std::copy(letters.begin(), letters.end(), alphabet.begin());
  const TLetterFold fold = TLetterFold::Derive(german, alphabet);
  EXPECT_EQ(fold.FoldOf('s'), "S");
  EXPECT_EQ(fold.FoldOf('\xDF'), "SS");
  EXPECT_EQ(fold.FoldOf('\xE6'), "AE");  // the small ligature equals the capital one
  EXPECT_EQ(fold.FoldOf('\xAD'), "");
  EXPECT_EQ(fold.Fold("stra\xDF" "e"), "STRASSE");

  // The build's own comparison (Windows folds sharp s and ignores the soft
  // hyphen too; the portable one only drops case): every letter's fold is a
  // spelling the comparison calls equal to it.
  Platform& platform = DefaultPlatform();
  const TLetterFold own = TLetterFold::Derive(platform, alphabet);
  EXPECT_EQ(own.FoldOf('\xE9'), "\xC9");
  for (int b = 1; b < 256; ++b) {
    const std::string letter(1, static_cast<char>(b));
    EXPECT_EQ(platform.CompareTextIgnoreCase(own.FoldOf(letter[0]), letter), 0) << b;
  }
}

TEST(LetterFold, AListWithIgnorableOnlyEntriesAcceptsTheEmptyFold) {
  test::GermanFoldPlatform german;
  ScopedPlatform scope(german);
  auto dictionary = test::MakeDictionary("AB", {"", "AB"});
  const TWordGraph graph = TWordGraph::Build(dictionary->WordsList, dictionary->Alphabet);
  EXPECT_TRUE(graph.HasFold("\xAD\xAD"));
  EXPECT_TRUE(graph.HasFold("A\xAD" "B"));
}

// Words the lookup calls equal always share one fold, so the graph can never
// lose a word behind another spelling; and every shipped word consists of
// its alphabet's letters, so none is left unplaceable.
TEST(LetterFold, ShippedListsFoldEqualWordsAlike) {
  for (const char* name : {"Dutch.vbd", "Spanish.vbd", "English.vbd", "German.vbd"}) {
    TDictionary dictionary(std::string(VB_SOURCE_DIR) + "\\data\\VorbelleDictionaries\\");
    if (!GetPlatform().PathExists(dictionary.DictionaryPath(name))) continue;  // not every list ships everywhere
    ASSERT_TRUE(dictionary.LoadDictionary(name)) << name;
    const TLetterFold fold = TLetterFold::Derive(GetPlatform(), dictionary.Alphabet);
    std::map<std::string, std::string> foldOfKey;
    std::set<unsigned char> alphabetFolds;
    for (unsigned char c : dictionary.Alphabet)
      if (c != 0) alphabetFolds.insert(fold.Bytes(c), fold.Bytes(c) + fold.Length(c));
    std::size_t outside = 0;
    for (const std::string& entry : dictionary.WordsList.Entries()) {
      const std::string folded = fold.Fold(entry);
      auto known = foldOfKey.emplace(GetPlatform().SortKeyIgnoreCase(entry), folded);
      EXPECT_EQ(known.first->second, folded) << name << ": " << entry;
      for (unsigned char c : folded) outside += alphabetFolds.count(c) == 0;
    }
    EXPECT_EQ(outside, 0u) << name;
  }
}

}  // namespace
}  // namespace vb
