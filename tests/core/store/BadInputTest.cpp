#include <gtest/gtest.h>

#include <string>

#include "core/dictionary/Dictionary.h"
#include "core/store/StoredTextList.h"
#include "core/dictionary/WordsList.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/TempFolder.h"

namespace vb {

namespace {
std::string AllBytes(int repeats) {
  std::string bytes;
  for (int r = 0; r < repeats; ++r)
    for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
  return bytes;
}
}  // namespace

TEST(BadInput, StoredTextListsReadOddFilesWithoutHarm) {
  test::FakePlatformScope platform;
  test::ScriptedErrorDialog dialog;
  test::TempFolder folder;
  const std::string hugeLine = "[Main]\r\nBig=" + std::string(10 * 1024 * 1024, 'x') + "\r\n";
  const std::string odd[] = {
      AllBytes(64),
      std::string("[Main]\0\r\nA=1\0\r\n", 16),
      hugeLine,
      "[Main]\rA=99999999999999\rB=-99999999999\rC=\r[Main]\rA=5\r",
      "[Main]\r\nNoEquals\r\n=\r\n==\r\n[Main\r\n]\r\n[",
  };
  for (const std::string& content : odd) {
    test::WriteTextFile(folder / "Odd.ini", content);
    TStoredTextList list(folder / "Odd.ini");
    std::int32_t a = 3, b = 4;
    std::string big = "kept";
    list.OnLoad = [&](TStoredTextList& l) {
      l.ReadInteger("Main", "A", a, 1000, -1000);
      l.ReadInteger("Main", "B", b, 1000, -1000);
      l.ReadText("Main", "Big", false, big, 255);
    };
    EXPECT_TRUE(list.Load());
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 4);
    EXPECT_EQ(big, "kept");
  }
  EXPECT_TRUE(dialog.Shown.empty());
}

TEST(BadInput, WordsListsAndDictionariesOfJunkStayUsableOrAreRefused) {
  test::FakePlatformScope platform;
  test::ScriptedErrorDialog dialog;
  test::TempFolder folder;
  TWordsList list;
  list.SetText(std::string(10 * 1024 * 1024, 'W') + "\r\n" + AllBytes(4));
  EXPECT_TRUE(list.IsKnownWord(std::string(10 * 1024 * 1024, 'w')));

  TDictionary dictionary(folder.Path());
  test::WriteTextFile(folder / "Junk.vbd", AllBytes(16));
  test::WriteTextFile(folder / "Junk.txt", AllBytes(16));
  EXPECT_FALSE(dictionary.LoadDictionary("Junk.vbd"));

  // 40 letters with duplicates over a list of empty lines only.
  test::WriteTextFile(folder / "Dup.vbd", "[Main]\r\nAlphabet=" + std::string(40, 'A') + "\r\n");
  std::string emptyLines;
  for (int i = 0; i < 1200; ++i) emptyLines += "\r\n";
  test::WriteTextFile(folder / "Dup.txt", emptyLines);
  EXPECT_FALSE(dictionary.LoadDictionary("Dup.vbd"));
  EXPECT_EQ(dictionary.WordsList.Count(), 1200u);
  EXPECT_EQ(dictionary.ProbabilitiesTotal, 0);
  EXPECT_TRUE(dialog.Shown.empty());
}

}  // namespace vb
