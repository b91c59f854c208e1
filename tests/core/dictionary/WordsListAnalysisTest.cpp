#include <gtest/gtest.h>

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/WordsListAnalysis.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"

namespace vb {

TEST(WordsListAnalysis, TheWorkedExampleByteForByte) {
  test::FakePlatformScope platform;
  TDictionary dictionary(".");
  dictionary.WordsList.SetText("AAC\r\naca\r\nCCA\r\nAAAACCCAAAAX\r\n");
  dictionary.Alphabet[0] = 'A';
  dictionary.Alphabet[1] = 'B';
  dictionary.Alphabet[2] = 'C';
  ASSERT_TRUE(AnalyzeWordsList(dictionary));
  EXPECT_EQ(platform->Clipboard,
            "ANALYSIS REPORT\r\n\r\nLetters (within the alphabet) = 20\r\n\r\nCharacters outside the alphabet = 1"
            "\r\n\r\nNumber of words, by word length (regardless of containing characters): "
            "\r\n* 2 letters = 0 words\r\n* 3 letters = 3 words\r\n* 4 letters = 0 words\r\n* 5 letters = 0 words"
            "\r\n* 6 letters = 0 words\r\n* 7 letters = 0 words\r\n* 8 letters = 0 words\r\n* 9 letters = 0 words"
            "\r\n* 10 letters = 0 words\r\n* Other lengths = 1"
            "\r\n\r\nAlphabet and letter probabilities (between 1 and 1000 for each): "
            "\r\nChar0=A\r\nProb0=1000\r\nChar2=C\r\nProb2=538\r\n");
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, "Analysis report was successfully copied to clipboard.");
}

TEST(WordsListAnalysis, NothingToAnalyze) {
  test::FakePlatformScope platform;
  TDictionary dictionary(".");
  platform->Clipboard = "kept";
  EXPECT_FALSE(AnalyzeWordsList(dictionary));
  dictionary.WordsList.SetText("abc\r\n");
  dictionary.Alphabet[0] = 'a';  // lower case never matches the upper-cased words
  EXPECT_FALSE(AnalyzeWordsList(dictionary));
  ASSERT_EQ(platform->Boxes.size(), 2u);
  EXPECT_EQ(platform->Boxes[1].Text, "There is nothing to analyze.");
  EXPECT_EQ(platform->Clipboard, "kept");
}

TEST(WordsListAnalysis, OneLetterAndLongEntriesCountAsOtherLengths) {
  TLetterCounts counts = CountLetters({"A", "", std::string(11, 'A'), "AB"}, TAlphabet{'A'});
  std::string report = BuildAnalysisReport(counts, TAlphabet{'A'});
  EXPECT_NE(report.find("\r\n* 2 letters = 1 words\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\n* Other lengths = 3\r\n"), std::string::npos);
}

}  // namespace vb
