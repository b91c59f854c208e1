// The dictionaries that ship in data/VorbelleDictionaries: each file is well
// formed, has its words list and licence beside it, takes its letter
// probabilities from its own list, and, named in the options file, starts a new
// game of its own letters without any message.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/LetterStatistics.h"
#include "core/game/GameState.h"
#include "core/presenter/GameCommands.h"
#include "core/presenter/GamePresenter.h"
#include "core/text/Cp1252.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempFolder.h"

namespace vb {
namespace {

// Fonts that every Windows version has, with all letters of code page 1252.
const char* const kFonts[] = {"Tahoma", "Arial", "Segoe UI"};
constexpr std::size_t kMinimumWords = 20000;
constexpr std::size_t kShortestWord = 2, kLongestWord = 15;

std::string ShippedFolder() { return test::SourceFolder() + "data\\VorbelleDictionaries\\"; }

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The shipped dictionary names, without ".vbd".
std::vector<std::string> ShippedNames() {
  std::vector<std::string> names;
  for (const std::string& file : test::FileNamesIn(ShippedFolder()))
    if (EndsWith(file, ".vbd")) names.push_back(file.substr(0, file.size() - 4));
  return names;
}

bool IsUndefinedInCp1252(unsigned char c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

// Letters with a capital, and the ones without (sharp s, f hook, micro, ordinals).
bool IsLowerCaseLetter(unsigned char c) {
  return UpperCp1252(c) != c || c == 0xDF || c == 0x83 || c == 0xB5 || c == 0xAA || c == 0xBA;
}

// The lines of a file whose every line ends with CR LF and whose bytes are
// printable, defined characters of code page 1252; reports the first fault.
std::vector<std::string> CrLfLines(const std::string& text, const std::string& file) {
  std::vector<std::string> lines;
  EXPECT_TRUE(EndsWith(text, "\r\n")) << file << ": the last line has no CR LF";
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      lines.push_back(text.substr(start, i - start));
      start = ++i + 1;
    } else if (c < 0x20 || c == 0x7F || IsUndefinedInCp1252(c)) {
      ADD_FAILURE() << file << ": byte " << static_cast<int>(c) << " at offset " << i;
      break;
    }
  }
  return lines;
}

std::string LettersOf(const TAlphabet& alphabet) {
  std::string letters;
  for (unsigned char c : alphabet)
    if (c != 0) letters += static_cast<char>(c);
  return letters;
}

TEST(ShippedDictionaries, TenOrMoreShipEachWithItsWordsListAndLicence) {
  const std::vector<std::string> names = ShippedNames();
  EXPECT_GE(names.size(), 10u);
  std::set<std::string> expected;
  for (const std::string& name : names) {
    expected.insert({name + ".vbd", name + ".txt", name + "-copyright.txt"});
    const std::string notice = test::ReadTextFile(ShippedFolder() + name + "-copyright.txt");
    EXPECT_EQ(notice.rfind("The words list " + name + ".txt was made from the Debian package ", 0), 0u) << name;
    EXPECT_NE(notice.find("opyright"), std::string::npos) << name;
    // CR LF, for every Windows editor.
    std::size_t lineFeeds = std::count(notice.begin(), notice.end(), '\n');
    std::size_t crLfs = 0;
    for (std::size_t at = notice.find("\r\n"); at != std::string::npos; at = notice.find("\r\n", at + 2)) ++crLfs;
    EXPECT_EQ(crLfs, lineFeeds) << name;
  }
  // Every list has its licence, and nothing else ships in the folder.
  const std::vector<std::string> files = test::FileNamesIn(ShippedFolder());
  for (const std::string& file : files) EXPECT_EQ(expected.count(file), 1u) << "belongs to no dictionary: " << file;
  for (const std::string& file : expected)
    EXPECT_TRUE(std::binary_search(files.begin(), files.end(), file)) << "missing: " << file;
}

class ShippedDictionary : public ::testing::TestWithParam<std::string> {
 protected:
  const std::string name = GetParam();
  test::FakePlatformScope platform;
  test::ScriptedErrorDialog errors;
};

TEST_P(ShippedDictionary, NamesAFontItsOwnLettersAndLengthScores) {
  const std::string file = test::ReadTextFile(ShippedFolder() + name + ".vbd");
  EXPECT_NE(file.rfind("\xEF\xBB\xBF", 0), 0u) << "a byte order mark";
  CrLfLines(file, name + ".vbd");

  TDictionary dictionary(ShippedFolder());
  ASSERT_TRUE(dictionary.LoadDictionary(name + ".vbd"));
  EXPECT_TRUE(platform->Boxes.empty());
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_EQ(dictionary.WordsListName, name);
  EXPECT_NE(std::find(std::begin(kFonts), std::end(kFonts), dictionary.FontName), std::end(kFonts))
      << dictionary.FontName;

  // Probabilities come from the words list: the Alphabet key with enough words.
  EXPECT_TRUE(dictionary.CalculateProbabilities);
  const std::string letters = LettersOf(dictionary.Alphabet);
  EXPECT_GT(letters.size(), 10u);
  EXPECT_EQ(dictionary.ActiveLettersCount, static_cast<std::int32_t>(letters.size()));
  EXPECT_EQ(std::set<char>(letters.begin(), letters.end()).size(), letters.size()) << "a letter twice";
  double weighted = 0;
  for (int i = 0; i < AlphabetSize; ++i) {
    const unsigned char c = dictionary.Alphabet[i];
    EXPECT_EQ(c != 0, i < static_cast<int>(letters.size())) << "a gap at slot " << i;
    // Every letter is drawable, so every letter occurs in the list.
    EXPECT_EQ(c != 0, dictionary.LetterProbabilities[i] > 0) << "slot " << i;
    EXPECT_FALSE(c != 0 && (c <= ' ' || IsLowerCaseLetter(c) || IsUndefinedInCp1252(c))) << "slot " << i;
    weighted += dictionary.LetterProbabilities[i] * dictionary.LetterScores[i];
  }

  // Longer moves pay more, and a seven-letter move is the big prize: its bonus
  // outweighs the seven letters' mean score and the six-letter bonus by far.
  const double meanLetterScore = weighted / dictionary.ProbabilitiesTotal;
  for (int n = 2; n <= 7; ++n) EXPECT_GE(dictionary.LengthScore(n), dictionary.LengthScore(n - 1)) << n;
  EXPECT_GT(dictionary.LengthScore(7), 7 * meanLetterScore);
  EXPECT_GE(dictionary.LengthScore(7), 4 * dictionary.LengthScore(6));
}

TEST_P(ShippedDictionary, EveryWordIsSpelledWithItsLettersAndKnown) {
  const std::vector<std::string> lines = CrLfLines(test::ReadTextFile(ShippedFolder() + name + ".txt"), name + ".txt");
  TDictionary dictionary(ShippedFolder());
  ASSERT_TRUE(dictionary.LoadDictionary(name + ".vbd"));
  const std::vector<std::string>& entries = dictionary.WordsList.Entries();
  ASSERT_EQ(entries, lines);
  EXPECT_GE(entries.size(), kMinimumWords);

  const std::string letters = LettersOf(dictionary.Alphabet);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& word = entries[i];
    ASSERT_TRUE(word.size() >= kShortestWord && word.size() <= kLongestWord) << "line " << i + 1 << ": " << word;
    // Upper case, since every letter of the alphabet is.
    ASSERT_EQ(word.find_first_not_of(letters), std::string::npos) << "line " << i + 1 << ": " << word;
    // Sorted without repeats, so that no entry hides another.
    if (i > 0) {
      ASSERT_LT(entries[i - 1], word) << "line " << i + 1;
    }
  }
  // The game's own lookup accepts every entry: no entry that the locale's
  // comparison equates with an earlier one of another length.
  std::size_t unknown = 0;
  for (const std::string& word : entries) {
    if (!dictionary.IsKnownWord(word) && ++unknown <= 5) ADD_FAILURE() << "unknown: " << word;
  }
  EXPECT_EQ(unknown, 0u);
}

TEST_P(ShippedDictionary, ChosenInTheOptionsFileItStartsAGameOfItsOwnLetters) {
  test::ScriptedFileDialogs dialogs;
  test::TempFolder folder;
  platform->FixedProgramPath = folder / "Vorbelle.exe";
  GetPlatform().CreateFolder(folder / "VorbelleDictionaries");
  for (const std::string& file : {name + ".vbd", name + ".txt"})
    test::WriteTextFile(folder / ("VorbelleDictionaries\\" + file), test::ReadTextFile(ShippedFolder() + file));
  test::WriteTextFile(folder / "Vorbelle.ini", "[VorbelleGame]\r\nLastDictionaryName=" + name + ".vbd\r\n");

  TRandomPool pool{2024, 10, 20};
  TGamePresenter game(folder.Path(), &pool, &dialogs);
  game.Commands().PrepareFilesAndOptions();
  game.Commands().NewGameMenuClick();
  for (const test::ShownBox& box : platform->Boxes) ADD_FAILURE() << "a message: " << box.Text;
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_TRUE(dialogs.Shown.empty());
  EXPECT_EQ(game.Dictionary.DictionaryName, name + ".vbd");
  const TDictionary& dictionary = game.Dictionary;
  ASSERT_EQ(game.State.Stock.LettersCount(), 7);
  for (int slot = 0; slot < StockSize; ++slot)
    EXPECT_GE(dictionary.LetterIndex(game.State.Stock.Letter(slot)), 0) << slot;

  // Later draws bring the rest of its letters: every one of some weight turns up.
  std::set<unsigned char> drawn;
  for (int i = 0; i < 20000; ++i) {
    const unsigned char letter = TGameState::DrawLetter(dictionary, pool);
    ASSERT_GE(dictionary.LetterIndex(letter), 0);
    drawn.insert(letter);
  }
  for (int i = 0; i < AlphabetSize; ++i) {
    if (dictionary.LetterProbabilities[i] >= 50) {
      EXPECT_EQ(drawn.count(dictionary.Alphabet[i]), 1u) << "never drew slot " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedDictionary, ::testing::ValuesIn(ShippedNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace vb
