// Loads any bytes as a dictionary file; a form feed, when present, separates the
// dictionary from its words list. The tables must always stay in their ranges.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "core/dictionary/Dictionary.h"
#include "core/base/Paths.h"
#include "core/dictionary/WordsListAnalysis.h"

using namespace vb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryPlatform& platform = fuzz::FreshPlatform();
  const std::string input = fuzz::InputText(data, size);
  const std::size_t split = input.find('\f');
  const std::string folder = "C:\\Dictionaries\\";
  platform.Files[folder + "Fuzz.vbd"] = input.substr(0, split);
  if (split != std::string::npos) {
    platform.Files[folder + "Fuzz.txt"] = input.substr(split + 1);
    platform.Files[folder + "Other.txt"] = input.substr(split + 1);
  }

  TDictionary dictionary(folder);
  bool usable = dictionary.LoadDictionary("Fuzz.vbd");
  std::int32_t total = 0, active = 0;
  for (int i = 0; i < AlphabetSize; ++i) {
    const std::int32_t p = dictionary.LetterProbabilities[i];
    if (p < 0 || p > MaxProbability) std::abort();
    if (p > 0 && dictionary.Alphabet[i] == 0) std::abort();
    if (dictionary.LetterScores[i] < 0 || dictionary.LetterScores[i] > 10) std::abort();
    total += p;
    active += dictionary.Alphabet[i] != 0;
  }
  if (total != dictionary.ProbabilitiesTotal) std::abort();
  if (usable && (total <= 0 || dictionary.ActiveLettersCount < 11)) std::abort();
  for (std::int32_t score : dictionary.LengthScores)
    if (score < 0 || score > MaxProbability) std::abort();
  if (!dictionary.WordsListName.empty() && !IsPlainFileName(dictionary.WordsListName)) std::abort();
  (void)active;

  AnalyzeWordsList(dictionary);
  dictionary.AddWord("FUZZ");
  dictionary.SaveDictionary();
  for (const auto& file : platform.Files)
    if (file.first.compare(0, folder.size(), folder) != 0) std::abort();
  return 0;
}
