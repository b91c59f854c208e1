// A words list another program holds open while a game loads, with the real
// file system and locale comparison: it keeps every entry through the next
// saves, and a word put twice is added once.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/dictionary/Dictionary.h"
#include "platform/win32/Handles.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/TempFolder.h"

namespace vb {
namespace {

std::string EnglishLetters() {
  std::string keys = "[Alphabet]\r\n";
  for (int i = 0; i < 26; ++i)
    keys += "Char" + std::to_string(i) + "=" + std::string(1, static_cast<char>('A' + i)) + "\r\nProb" +
            std::to_string(i) + "=100\r\n";
  return keys;
}

TEST(LockedWordsList, KeepsEveryEntryWhenTheGameLoadedWhileItWasHeld) {
  test::FakePlatformScope platform;
  test::ScriptedErrorDialog dialog;
  test::TempFolder folder;
  // A byte-order mark from an editor does not hide the first section.
  test::WriteTextFile(folder / "English.vbd", "\xEF\xBB\xBF[Main]\r\nWordsListName=English\r\n" + EnglishLetters());
  std::string list;
  for (int i = 0; i < 2000; ++i) list += "WORD" + std::to_string(i) + "\r\n";
  test::WriteTextFile(folder / "English.txt", list);

  TDictionary dictionary(folder.Path());
  {
    // Held open without sharing, as a sync client or scanner does for a moment.
    FileHandle held(::CreateFileA((folder / "English.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    ASSERT_TRUE(dictionary.LoadDictionary("English.vbd"));
    ASSERT_EQ(dialog.Shown.size(), 1u);
    EXPECT_EQ(dialog.Shown[0].FailureText, "Failed to load file.");
    dictionary.AddWord("AAAAA");
    dictionary.AddWord("AAAAA");
    EXPECT_FALSE(dictionary.SaveDictionary());  // still held: nothing is written
  }
  EXPECT_EQ(test::ReadTextFile(folder / "English.txt"), list);
  EXPECT_TRUE(dictionary.SaveDictionary());
  EXPECT_TRUE(dictionary.SaveDictionary());
  EXPECT_EQ(test::ReadTextFile(folder / "English.txt"), list + "AAAAA\r\n");

  // The next game reads the whole list and knows the word.
  ASSERT_TRUE(dictionary.LoadDictionary("English.vbd"));
  EXPECT_EQ(dictionary.WordsList.Count(), 2001u);
  EXPECT_TRUE(dictionary.IsKnownWord("aaaaa"));
  dictionary.AddWord("AAAAA");
  EXPECT_FALSE(dictionary.WordsListModified);
}

TEST(LockedWordsList, AWordPutInTwoGamesIsAddedOnceWhateverTheLocaleEquates) {
  test::FakePlatformScope platform;
  test::ScriptedErrorDialog dialog;
  test::TempFolder folder;
  test::WriteTextFile(folder / "German.vbd", "[Main]\r\nWordsListName=German\r\n" + EnglishLetters());
  // A soft hyphen and a sharp s, which the locale may equate with other spellings.
  test::WriteTextFile(folder / "German.txt", "STRA\xDF" "E\r\nCO\xADOP\r\n");
  for (int game = 0; game < 2; ++game) {
    TDictionary dictionary(folder.Path());
    ASSERT_TRUE(dictionary.LoadDictionary("German.vbd"));
    for (const char* word : {"STRASSE", "COOP"}) {
      dictionary.AddWord(word);
      dictionary.AddWord(word);
    }
    EXPECT_TRUE(dictionary.SaveDictionary());
  }
  EXPECT_EQ(test::ReadTextFile(folder / "German.txt"), "STRA\xDF" "E\r\nCO\xADOP\r\nSTRASSE\r\nCOOP\r\n");
  EXPECT_TRUE(dialog.Shown.empty());
}

}  // namespace
}  // namespace vb
