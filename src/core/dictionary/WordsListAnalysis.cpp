#include "core/dictionary/WordsListAnalysis.h"

#include "core/dictionary/Dictionary.h"
#include "core/errors/MessageBoxes.h"
#include "core/text/Text.h"
#include "core/input/Utilities.h"

namespace vb {

std::string BuildAnalysisReport(const TLetterCounts& counts, const TAlphabet& alphabet) {
  std::string body = "\r\n\r\nNumber of words, by word length (regardless of containing characters): ";
  for (int n = 2; n <= 10; ++n)
    body += "\r\n* " + IntToText(n) + " letters = " + IntToText(counts.LengthCounts[n]) + " words";
  body += "\r\n* Other lengths = " +
          IntToText(static_cast<long long>(counts.LengthCounts[0]) + counts.LengthCounts[1]);
  body += "\r\n\r\nAlphabet and letter probabilities (between 1 and 1000 for each): ";
  for (int i = 0; i < AlphabetSize; ++i) {
    if (counts.LetterCounts[i] <= 0) continue;
    body += "\r\nChar" + IntToText(i) + "=" + std::string(1, static_cast<char>(alphabet[i]));
    body += "\r\nProb" + IntToText(i) + "=" + IntToText(counts.Probabilities[i]);
  }
  return "ANALYSIS REPORT\r\n\r\nLetters (within the alphabet) = " + IntToText(counts.LettersWithin) +
         "\r\n\r\nCharacters outside the alphabet = " + IntToText(counts.CharactersOutside) + body + "\r\n";
}

bool AnalyzeWordsList(const TDictionary& dictionary) {
  if (dictionary.WordsList.Empty()) {
    ShowWarningText("There is nothing to analyze.");
    return false;
  }
  TLetterCounts counts = CountLetters(dictionary.WordsList.Entries(), dictionary.Alphabet);
  if (counts.LettersWithin < 1) {
    ShowWarningText("There is nothing to analyze.");
    return false;
  }
  if (!CopyTextToClipboard(BuildAnalysisReport(counts, dictionary.Alphabet), "Failed to copy report to clipboard.",
                           false, false))
    return false;
  ShowMessageText("Analysis report was successfully copied to clipboard.");
  return true;
}

}  // namespace vb
