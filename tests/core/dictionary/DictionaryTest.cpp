#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/dictionary/Dictionary.h"
#include "core/base/Platform.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/TempFolder.h"

namespace vb {

namespace {
const char* const kNotEnoughLetters = "There aren't enough active letters to form an alphabet. \nChange the dictionary!";

// Char/Prob keys for the first `count` letters of the Latin alphabet.
std::string LetterKeys(int count, int probability = 100) {
  std::string text = "[Alphabet]\r\n";
  for (int i = 0; i < count; ++i)
    text += "Char" + std::to_string(i) + "=" + std::string(1, static_cast<char>('A' + i)) + "\r\nProb" +
            std::to_string(i) + "=" + std::to_string(probability) + "\r\n";
  return text;
}

// `count` words that use every letter A..Z.
std::string ManyWords(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "ABCDEFGHIJKLMNOPQRSTUVWXYZ" + std::string(i % 3, 'E') + "\r\n";
  return text;
}
}  // namespace

class Dictionaries : public ::testing::Test {
 protected:
  std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const auto& box : platform->Boxes) texts.push_back(box.Text);
    return texts;
  }

  test::FakePlatformScope platform;
  test::ScriptedErrorDialog dialog;
  test::TempFolder folder;
  TDictionary dictionary{folder.Path()};
};

TEST_F(Dictionaries, ElevenActiveLettersAreUsableTenAreNot) {
  test::WriteTextFile(folder / "Eleven.vbd", "[Main]\r\nFontName=Arial\r\n" + LetterKeys(11) +
                                                 "[LengthScores]\r\n1=0\r\n2=5\r\n7=50\r\n8=9\r\n");
  test::WriteTextFile(folder / "Eleven.txt", "CAB\r\n\r\nBAD\r\n");
  EXPECT_TRUE(dictionary.LoadDictionary("Eleven.vbd"));
  EXPECT_EQ(dictionary.ActiveLettersCount, 11);
  EXPECT_EQ(dictionary.ProbabilitiesTotal, 1100);
  EXPECT_EQ(dictionary.LetterScores[0], 8);
  EXPECT_EQ(dictionary.LengthScore(2), 5);
  EXPECT_EQ(dictionary.LengthScore(7), 50);
  EXPECT_EQ(dictionary.LengthScore(8), 0);
  EXPECT_EQ(dictionary.FontName, "Arial");
  EXPECT_EQ(dictionary.Alphabet[10], 'K');
  EXPECT_EQ(dictionary.WordsListName, "Eleven");
  EXPECT_EQ(dictionary.DictionaryDisplayName(), "Eleven");
  EXPECT_EQ(dictionary.WordsCountText(), "There are 3 words in the words list.");
  EXPECT_TRUE(dictionary.IsKnownWord("bad"));
  EXPECT_TRUE(platform->Boxes.empty());

  test::WriteTextFile(folder / "Ten.vbd", LetterKeys(10));
  EXPECT_FALSE(dictionary.LoadDictionary("Ten.vbd"));
  EXPECT_EQ(dictionary.DictionaryName, "Ten.vbd");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kNotEnoughLetters});
  EXPECT_EQ(dictionary.FontName, "Tahoma");
  EXPECT_EQ(dictionary.WordsCountText(), "There are 0 words in the words list.");
}

TEST_F(Dictionaries, InvalidValuesAreIgnored) {
  // The keys written later in the file lose: the first ones of the section win.
  test::WriteTextFile(folder / "Odd.vbd", "[Main]\r\nFontName=\r\n[Alphabet]\r\nProb3=1001\r\nProb4=-1\r\n"
                                          "Prob6=0x10\r\nChar5=AB\r\nProb5=500\r\n" +
                                              LetterKeys(13).substr(12) + "[LengthScores]\r\n3=1001\r\n5=$20\r\n");
  EXPECT_TRUE(dictionary.LoadDictionary("Odd.vbd"));
  EXPECT_EQ(dictionary.FontName, "");
  EXPECT_EQ(dictionary.LetterProbabilities[3], 0);
  EXPECT_EQ(dictionary.LetterProbabilities[4], 0);
  EXPECT_EQ(dictionary.LetterProbabilities[6], 16);
  // Slot 5 has no letter but a probability: it counts as active, yet is never drawn.
  EXPECT_EQ(dictionary.Alphabet[5], 0);
  EXPECT_EQ(dictionary.ActiveLettersCount, 11);
  EXPECT_EQ(dictionary.LetterProbabilities[5], 0);
  EXPECT_EQ(dictionary.LengthScore(3), 0);
  EXPECT_EQ(dictionary.LengthScore(5), 32);
}

TEST_F(Dictionaries, AnAlphabetNeedsAThousandWordsToCalculateProbabilities) {
  const std::string alphabet = "[Main]\r\nAlphabet=ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n";
  test::WriteTextFile(folder / "Auto.vbd", alphabet);
  test::WriteTextFile(folder / "Auto.txt", ManyWords(999));
  EXPECT_FALSE(dictionary.LoadDictionary("Auto.vbd"));
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "There are not enough words in the words list\nto automatically calculate letter probabilities.",
                            kNotEnoughLetters}));
  EXPECT_EQ(dictionary.Alphabet[0], 0);

  platform->Boxes.clear();
  test::WriteTextFile(folder / "Auto.vbd", alphabet + LetterKeys(12));
  EXPECT_TRUE(dictionary.LoadDictionary("Auto.vbd"));
  EXPECT_EQ(dictionary.ActiveLettersCount, 12);
  EXPECT_EQ(dictionary.Alphabet[12], 0);

  platform->Boxes.clear();
  test::WriteTextFile(folder / "Auto.txt", ManyWords(1000));
  EXPECT_TRUE(dictionary.LoadDictionary("Auto.vbd"));
  EXPECT_TRUE(platform->Boxes.empty());
  EXPECT_EQ(dictionary.ActiveLettersCount, 26);
  EXPECT_EQ(dictionary.LetterProbabilities[4], 1000);  // E
  EXPECT_EQ(dictionary.LetterProbabilities[0], 500);   // A: 1000 of 2000 E
  EXPECT_EQ(dictionary.LetterScores[4], 1);
  EXPECT_EQ(dictionary.LetterScores[0], 3);
}

TEST_F(Dictionaries, ExtraAlphabetCharactersAndUnusableAlphabets) {
  test::WriteTextFile(folder / "Long.vbd", "[Main]\r\nAlphabet=" + std::string(26, 'A') + "BCDEFGHIJKLMNOPQRSTUVWXYZ\r\n");
  test::WriteTextFile(folder / "Long.txt", ManyWords(1000));
  // 40 slots filled, the letters after the 40th dropped; A is counted in slot 0 only.
  EXPECT_TRUE(dictionary.LoadDictionary("Long.vbd"));
  EXPECT_EQ(dictionary.ActiveLettersCount, 40);
  EXPECT_EQ(dictionary.Alphabet[39], 'O');
  EXPECT_EQ(dictionary.LetterProbabilities[1], 0);
  EXPECT_EQ(dictionary.LetterIndex('P'), -1);

  // A lower-case alphabet counts nothing: no letter could ever be drawn.
  test::WriteTextFile(folder / "Lower.vbd", "[Main]\r\nWordsListName=Long\r\nAlphabet=abcdefghijklmnopqrstuvwxyz\r\n");
  platform->Boxes.clear();
  EXPECT_FALSE(dictionary.LoadDictionary("Lower.vbd"));
  EXPECT_EQ(dictionary.ProbabilitiesTotal, 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kNotEnoughLetters});
}

TEST_F(Dictionaries, MissingDictionaryOrAPathAsNameIsNotFound) {
  test::WriteTextFile(folder / "Eleven.vbd", LetterKeys(11));
  ASSERT_TRUE(dictionary.LoadDictionary("Eleven.vbd"));
  for (const std::string& name : {std::string("Missing.vbd"), std::string("..\\") + "Eleven.vbd",
                                  folder.Path() + "Eleven.vbd"}) {
    platform->Boxes.clear();
    EXPECT_FALSE(dictionary.LoadDictionary(name)) << name;
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"There is no such dictionary.", kNotEnoughLetters}));
    EXPECT_EQ(dictionary.DictionaryName, "");
    EXPECT_EQ(dictionary.ActiveLettersCount, 0);
  }
  // An empty name reads the folder itself: nothing is read, nothing is found.
  platform->Boxes.clear();
  EXPECT_FALSE(dictionary.LoadDictionary(""));
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kNotEnoughLetters});
  EXPECT_TRUE(dialog.Shown.empty());
}

TEST_F(Dictionaries, WordsListNamesThatLeaveTheFolderAreIgnored) {
  for (const std::string& name : std::vector<std::string>{"..\\Evil", "sub/Evil", "C:Evil", "..", "NUL", "Evil?", std::string(256, 'L')}) {
    test::WriteTextFile(folder / "Shared.vbd", "[Main]\r\nWordsListName=" + name + "\r\n" + LetterKeys(11));
    ASSERT_TRUE(dictionary.LoadDictionary("Shared.vbd"));
    EXPECT_EQ(dictionary.WordsListName, "Shared") << name;
  }
  test::WriteTextFile(folder / "Shared.vbd", "[Main]\r\nWordsListName=Other\r\n" + LetterKeys(11));
  ASSERT_TRUE(dictionary.LoadDictionary("Shared.vbd"));
  EXPECT_EQ(dictionary.WordsListPath(), folder / "Other.txt");
  test::WriteTextFile(folder / "Shared.vbd", "[Main]\r\nWordsListName=My..Words\r\n" + LetterKeys(11));
  ASSERT_TRUE(dictionary.LoadDictionary("Shared.vbd"));
  EXPECT_EQ(dictionary.WordsListPath(), folder / "My..Words.txt");
}

TEST_F(Dictionaries, AddedWordsAreSavedWithoutEverLosingTheOldList) {
  test::WriteTextFile(folder / "Eleven.vbd", LetterKeys(11));
  test::WriteTextFile(folder / "Eleven.txt", "ABC\n");
  ASSERT_TRUE(dictionary.LoadDictionary("Eleven.vbd"));
  EXPECT_TRUE(dictionary.SaveDictionary());  // nothing added: nothing written
  EXPECT_EQ(test::ReadTextFile(folder / "Eleven.txt"), "ABC\n");

  EXPECT_FALSE(dictionary.IsKnownWord("cab"));
  dictionary.AddWord("cab");
  EXPECT_TRUE(dictionary.IsKnownWord("CAB"));
  EXPECT_EQ(dictionary.WordsCountText(), "There are 2 words in the words list; new words.");

  platform->AllowWrite = [](const std::string&) { return false; };
  EXPECT_FALSE(dictionary.SaveDictionary());
  ASSERT_EQ(dialog.Shown.size(), 1u);
  EXPECT_EQ(dialog.Shown[0].FailureText, "Failed to save dictionary.");
  EXPECT_EQ(test::ReadTextFile(folder / "Eleven.txt"), "ABC\n");

  platform->AllowWrite = nullptr;
  EXPECT_TRUE(dictionary.SaveDictionary());
  EXPECT_EQ(test::ReadTextFile(folder / "Eleven.txt"), "ABC\r\ncab\r\n");
  EXPECT_TRUE(dictionary.WordsListModified);

  // After a dictionary was not found nothing is written.
  dictionary.LoadDictionary("Missing.vbd");
  dictionary.AddWord("XYZ");
  EXPECT_TRUE(dictionary.SaveDictionary());
  EXPECT_FALSE(GetPlatform().PathExists(folder / ".txt"));
}

TEST_F(Dictionaries, AWordsListThatCouldNotBeReadIsNeverWrittenOver) {
  test::WriteTextFile(folder / "Eleven.vbd", LetterKeys(11));
  const std::string old = "OLD\r\nCAB\nLAST";  // mixed line ends, no end after the last word
  test::WriteTextFile(folder / "Eleven.txt", old);
  bool locked = true;
  platform->AllowRead = [&](const std::string& path) { return !(locked && path == folder / "Eleven.txt"); };
  ASSERT_TRUE(dictionary.LoadDictionary("Eleven.vbd"));
  ASSERT_EQ(dialog.Shown.size(), 1u);
  EXPECT_EQ(dialog.Shown[0].FailureText, "Failed to load file.");
  EXPECT_TRUE(dictionary.WordsListUnread);
  EXPECT_EQ(dictionary.WordsList.Count(), 0u);
  dictionary.AddWord("NEW");
  dictionary.AddWord("CAB");  // unknown here, but already in the file

  // Still locked at the save: nothing is written, the words wait.
  EXPECT_FALSE(dictionary.SaveDictionary());
  ASSERT_EQ(dialog.Shown.size(), 2u);
  EXPECT_EQ(dialog.Shown[1].FailureText, "Failed to save dictionary.");
  EXPECT_EQ(test::ReadTextFile(folder / "Eleven.txt"), old);

  // Readable again: every old entry stays as it was, only missing words follow.
  locked = false;
  EXPECT_TRUE(dictionary.SaveDictionary());
  EXPECT_EQ(test::ReadTextFile(folder / "Eleven.txt"), old + "\r\nNEW\r\n");
  EXPECT_TRUE(dictionary.SaveDictionary());  // a second save adds nothing twice
  EXPECT_EQ(test::ReadTextFile(folder / "Eleven.txt"), old + "\r\nNEW\r\n");
  EXPECT_EQ(dialog.Shown.size(), 2u);

  // A list that was read whole is written whole, as before.
  ASSERT_TRUE(dictionary.LoadDictionary("Eleven.vbd"));
  EXPECT_FALSE(dictionary.WordsListUnread);
  EXPECT_EQ(dictionary.WordsList.Count(), 4u);
  dictionary.AddWord("MORE");
  EXPECT_TRUE(dictionary.SaveDictionary());
  EXPECT_EQ(test::ReadTextFile(folder / "Eleven.txt"), "OLD\r\nCAB\r\nLAST\r\nNEW\r\nMORE\r\n");
}

namespace {
// The comparison of Windows, which ignores a soft hyphen inside a word.
class SoftHyphenPlatform : public test::FakePlatform {
 public:
  int CompareTextIgnoreCase(const std::string& a, const std::string& b) override {
    return FakePlatform::CompareTextIgnoreCase(Strip(a), Strip(b));
  }
  std::string SortKeyIgnoreCase(const std::string& text) override { return FakePlatform::SortKeyIgnoreCase(Strip(text)); }

 private:
  static std::string Strip(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\xAD'), text.end());
    return text;
  }
};
}  // namespace

TEST_F(Dictionaries, AnUnknownWordIsAppendedOnlyWhenNoEntryIsExactlyThatWord) {
  SoftHyphenPlatform hyphens;
  ScopedPlatform scope(hyphens);
  test::WriteTextFile(folder / "Eleven.vbd", LetterKeys(11));
  test::WriteTextFile(folder / "Eleven.txt", "CO\xADOP\r\nBE\xAD" "AD\r\nBEAD\r\n");
  ASSERT_TRUE(dictionary.LoadDictionary("Eleven.vbd"));
  // The first equal entry has another length, so the lookup says unknown.
  EXPECT_FALSE(dictionary.IsKnownWord("COOP"));
  dictionary.AddWord("COOP");
  dictionary.AddWord("coop");
  dictionary.AddWord("COOP");
  EXPECT_EQ(dictionary.WordsList.Count(), 4u);
  EXPECT_EQ(dictionary.WordsList[3], "COOP");
  // An exact entry behind the first equal one counts too.
  EXPECT_FALSE(dictionary.IsKnownWord("BEAD"));
  dictionary.AddWord("BEAD");
  EXPECT_EQ(dictionary.WordsList.Count(), 4u);
  EXPECT_TRUE(dictionary.SaveDictionary());
  EXPECT_EQ(test::ReadTextFile(folder / "Eleven.txt"), "CO\xADOP\r\nBE\xAD" "AD\r\nBEAD\r\nCOOP\r\n");
  // The next game reads the saved list and still appends nothing.
  ASSERT_TRUE(dictionary.LoadDictionary("Eleven.vbd"));
  dictionary.AddWord("COOP");
  EXPECT_FALSE(dictionary.WordsListModified);
  EXPECT_EQ(dictionary.WordsList.Count(), 4u);
}

TEST_F(Dictionaries, AnUnreadableDictionaryKeepsNothingOfThePreviousOne) {
  test::WriteTextFile(folder / "Eleven.vbd", LetterKeys(11));
  test::WriteTextFile(folder / "Eleven.txt", "ABC\r\n");
  test::WriteTextFile(folder / "Locked.vbd", LetterKeys(11));
  test::WriteTextFile(folder / "Locked.txt", "KEEP\r\n");
  ASSERT_TRUE(dictionary.LoadDictionary("Eleven.vbd"));
  dictionary.AddWord("CAB");

  platform->AllowRead = [&](const std::string& path) { return path != folder / "Locked.vbd"; };
  platform->Boxes.clear();
  EXPECT_FALSE(dictionary.LoadDictionary("Locked.vbd"));
  ASSERT_EQ(dialog.Shown.size(), 1u);
  EXPECT_EQ(dialog.Shown[0].FailureText, "Failed to load file.");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kNotEnoughLetters});
  EXPECT_EQ(dictionary.ActiveLettersCount, 0);
  EXPECT_EQ(dictionary.WordsList.Count(), 0u);

  // The old list with its added word never reaches the other dictionary's list.
  EXPECT_TRUE(dictionary.SaveDictionary());
  EXPECT_EQ(test::ReadTextFile(folder / "Locked.txt"), "KEEP\r\n");
}

TEST_F(Dictionaries, ShippedDictionariesAreUsable) {
  TDictionary shipped(test::SourceFolder() + "data\\VorbelleDictionaries\\");
  for (const char* name : {"English.vbd", "British.vbd", "Spanish.vbd", "Dutch.vbd"}) {
    EXPECT_TRUE(shipped.LoadDictionary(name)) << name;
    EXPECT_GT(shipped.WordsList.Count(), 50000u) << name;
    for (int i = 0; i < AlphabetSize; ++i)
      EXPECT_EQ(shipped.Alphabet[i] != 0, shipped.LetterProbabilities[i] > 0) << name << " slot " << i;
    for (int n = 2; n <= 7; ++n) EXPECT_GE(shipped.LengthScore(n), shipped.LengthScore(n - 1)) << name;
  }
  ASSERT_TRUE(shipped.LoadDictionary("English.vbd"));
  EXPECT_EQ(shipped.ActiveLettersCount, 26);
  EXPECT_EQ(shipped.WordsListName, "English");
  EXPECT_TRUE(shipped.IsKnownWord("house"));
  // Reloading the current dictionary by its own name (the name is emptied while loading).
  EXPECT_TRUE(shipped.LoadDictionary(shipped.DictionaryName));
  EXPECT_EQ(shipped.DictionaryName, "English.vbd");
  EXPECT_TRUE(platform->Boxes.empty());
  EXPECT_TRUE(dialog.Shown.empty());
}

}  // namespace vb
