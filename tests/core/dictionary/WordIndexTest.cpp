#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/LetterFold.h"
#include "core/dictionary/WordIndex.h"
#include "core/dictionary/WordsList.h"
#include "core/text/Cp1252.h"
#include "support/FakePlatform.h"

namespace vb {
namespace {

std::uint32_t FirstEqualByScan(const std::vector<std::string>& entries, const std::string& word) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (GetPlatform().CompareTextIgnoreCase(entries[i], word) == 0) return static_cast<std::uint32_t>(i);
  return TWordIndex::NotFound;
}

TAlphabet AlphabetOf(const std::string& letters) {
  TAlphabet alphabet{};
  std::copy(letters.begin(), letters.end(), alphabet.begin());
  return alphabet;
}

// Spellings the locale may call equal to a word: case changed, sharp s and SS
// swapped, soft hyphens put in, an accent dropped or added, a letter more or less.
std::vector<std::string> MutationsOf(const std::string& word) {
  std::vector<std::string> probes;
  std::string lower = word, flipped = word;
  for (char& c : lower) {
    const unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) c = static_cast<char>(u + 0x20);
  }
  if (!flipped.empty()) flipped[0] = static_cast<char>(UpperCp1252(static_cast<unsigned char>(flipped[0])));
  probes.push_back(lower);
  probes.push_back(flipped);
  std::string sharp = word, pair;
  for (std::size_t at; (at = sharp.find("SS")) != std::string::npos;) sharp.replace(at, 2, "\xDF");
  for (unsigned char c : word) pair += c == 0xDF ? std::string("ss") : std::string(1, static_cast<char>(c));
  probes.push_back(sharp);
  probes.push_back(pair);
  probes.push_back(word.substr(0, word.size() / 2) + "\xAD" + word.substr(word.size() / 2) + "\xAD");
  std::string accent = word;
  for (char& c : accent) {
    if (c == 'A') c = '\xC4';
    else if (c == '\xC4') c = 'A';
    else if (c == 'E') c = '\xC9';
  }
  probes.push_back(accent);
  probes.push_back(word + "E");
  if (!word.empty()) probes.push_back(word.substr(0, word.size() - 1));
  return probes;
}

// Every entry of the shipped lists, and mutations of every fifth, find the
// entry a scan with the build's comparison finds. The scan's answer comes from
// the platform's sort key, which is equal exactly when the comparison is; each
// equal answer is confirmed by the comparison itself.
TEST(WordIndex, ShippedListsFindWhatTheScanFinds) {
  for (const char* name : {"German", "Dutch", "Spanish", "English"}) {
    TDictionary dictionary(std::string(VB_SOURCE_DIR) + "\\data\\VorbelleDictionaries\\");
    const std::string file = std::string(name) + ".vbd";
    if (!GetPlatform().PathExists(dictionary.DictionaryPath(file))) continue;  // not every list ships everywhere
    ASSERT_TRUE(dictionary.LoadDictionary(file)) << name;
    const std::vector<std::string>& entries = dictionary.WordsList.Entries();
    TWordIndex index;
    index.Build(entries, TLetterFold::Derive(GetPlatform(), dictionary.Alphabet));

    Platform& platform = GetPlatform();
    std::map<std::string, std::uint32_t> firstOfKey;
    for (std::size_t i = 0; i < entries.size(); ++i)
      firstOfKey.emplace(platform.SortKeyIgnoreCase(entries[i]), static_cast<std::uint32_t>(i));
    auto expected = [&](const std::string& probe) {
      auto found = firstOfKey.find(platform.SortKeyIgnoreCase(probe));
      return found == firstOfKey.end() ? TWordIndex::NotFound : found->second;
    };
    std::size_t wrong = 0, probes = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      std::vector<std::string> words{entries[i]};
      if (i % 5 == 0) {
        const std::vector<std::string> mutations = MutationsOf(entries[i]);
        words.insert(words.end(), mutations.begin(), mutations.end());
      }
      for (const std::string& word : words) {
        const std::uint32_t found = index.FindFirstEqual(entries, word), wanted = expected(word);
        ++probes;
        if (found == wanted && (found == TWordIndex::NotFound || platform.CompareTextIgnoreCase(entries[found], word) == 0))
          continue;
        if (++wrong <= 5) ADD_FAILURE() << name << ": \"" << word << "\" found " << found << ", the scan " << wanted;
      }
    }
    EXPECT_EQ(wrong, 0u) << name << " of " << probes << " probes";
  }
}

// A locale with traps for a fold per byte: case and the soft hyphen as in
// German, sharp s as SS, a thorn that equals two rings (a letter outside the
// alphabet), a NUL byte that ends the compared text, and a DEL that is
// ignored only on its own.
class TrapPlatform : public test::FakePlatform {
 public:
  int CompareTextIgnoreCase(const std::string& a, const std::string& b) override { return Normal(a).compare(Normal(b)); }
  std::string SortKeyIgnoreCase(const std::string& text) override { return Normal(text); }
  static std::string Normal(const std::string& text) {
    if (text == "\x7F") return "";
    std::string normal;
    for (unsigned char c : UpperCp1252(text.substr(0, text.find('\0')))) {
      if (c == 0xAD) continue;
      if (c == 0xDF) normal += "SS";
      else if (c == 0xDE) normal += "\xC5\xC5";
      else normal += static_cast<char>(c);
    }
    return normal;
  }
};

std::vector<std::string> RandomWords(const std::string& bytes, int count, std::mt19937& random) {
  std::uniform_int_distribution<int> length(0, 4), pick(0, static_cast<int>(bytes.size()) - 1);
  std::vector<std::string> words(static_cast<std::size_t>(count));
  for (std::string& word : words)
    for (int n = length(random); n > 0; --n) word += bytes[static_cast<std::size_t>(pick(random))];
  return words;
}

void ExpectScanAnswers(const TWordIndex& index, const std::vector<std::string>& entries,
                       const std::vector<std::string>& probes, const char* what) {
  std::size_t wrong = 0;
  for (const std::string& probe : probes) {
    const std::uint32_t found = index.FindFirstEqual(entries, probe), wanted = FirstEqualByScan(entries, probe);
    if (found == wanted || ++wrong > 5) continue;
    std::string bytes;
    for (unsigned char c : probe) bytes += " " + std::to_string(c);
    ADD_FAILURE() << what << ":" << bytes << " found " << found << ", the scan " << wanted;
  }
}

// Built at once or grown a word at a time (words added during play), the
// index answers like the scan, under the trap locale and the build's own
// comparison, for words holding NUL bytes, letters outside the alphabet and
// letters that expand into such letters.
TEST(WordIndex, TrapsAnswerLikeTheScan) {
  TrapPlatform trap;
  const std::string bytes = std::string("ABSas\xDF\xAD\xDE\xC5\xE5\x7F" "1", 12) + std::string(1, '\0');
  std::mt19937 random(5);
  for (Platform* platform : {static_cast<Platform*>(&trap), &GetPlatform()}) {
    ScopedPlatform scope(*platform);
    const TLetterFold fold = TLetterFold::Derive(*platform, AlphabetOf("ABS"));
    if (platform == &trap) {
      EXPECT_TRUE(fold.Decided("s\xDF\xAD"));
      for (char undecided : {'\0', '\xDE', '\xC5', '\x7F', '1'}) EXPECT_FALSE(fold.Decided(undecided)) << int(undecided);
    }
    std::vector<std::string> entries = RandomWords(bytes, 400, random);
    const std::vector<std::string> probes = RandomWords(bytes, 3000, random);
    TWordIndex whole;
    whole.Build(entries, fold);
    ExpectScanAnswers(whole, entries, probes, "built");
    ExpectScanAnswers(whole, entries, entries, "entries");

    TWordIndex grown;
    std::vector<std::string> added(entries.begin(), entries.begin() + 3);
    grown.Build(added, fold);
    for (std::size_t i = added.size(); i < entries.size(); ++i) {
      added.push_back(entries[i]);
      grown.Add(added, static_cast<std::uint32_t>(i));
    }
    ExpectScanAnswers(grown, added, probes, "grown");
  }
}

// A list that starts empty gets its fold from the alphabet with its first
// word; a later alphabet re-folds the words already there.
TEST(WordIndex, WordsAddedToAnEmptyListUseTheAlphabetsFold) {
  TrapPlatform trap;
  ScopedPlatform scope(trap);
  TWordsList list;
  list.SetAlphabet(AlphabetOf("ABS"));
  list.Append("BASS");
  EXPECT_TRUE(list.IsKnownWord("ba\xDF\xAD"));
  list.Append("\xDE");
  EXPECT_TRUE(list.Contains("\xFE"));
  list.SetText("S\xC5\xC5\r\nBASS\r\n");
  list.SetAlphabet(AlphabetOf("ABS\xC5"));
  EXPECT_TRUE(list.IsKnownWord("s\xE5\xE5"));
  EXPECT_FALSE(list.IsKnownWord("b\xAD" "a\xDF\xAD"));  // equal to BASS but longer
  EXPECT_TRUE(list.Contains("Bass"));
}

}  // namespace
}  // namespace vb
