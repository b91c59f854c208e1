#include "core/dictionary/Dictionary.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "core/errors/MessageBoxes.h"
#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/base/ProgramPaths.h"
#include "core/store/SafeFileWrite.h"
#include "core/errors/StatusFrame.h"
#include "core/text/Text.h"

namespace vb {

namespace {
constexpr int kMaximumTextLength = 255;
constexpr int kMinimumActiveLetters = 11;
constexpr std::size_t kWordsForCalculation = 1000;

std::string WithoutExtension(const std::string& name) {
  return name.substr(0, name.size() - GetExtension(name).size());
}
}  // namespace

std::string TDictionary::DefaultDictionariesFolder() {
  return AddPathDelimiter(GetProgramFolder()) + kDictionariesFolderName + "\\";
}

TDictionary::TDictionary(std::string dictionariesFolder)
    : DictionariesFolder(AddPathDelimiter(dictionariesFolder)), DictionaryFile(DictionaryPath(DictionaryName)) {
  DictionaryFile.OnLoad = [this](TStoredTextList& list) { ReadDictionary(list); };
}

std::string TDictionary::DictionaryPath(const std::string& name) const { return DictionariesFolder + name; }

std::string TDictionary::WordsListPath() {
  if (WordsListName.empty()) WordsListName = WithoutExtension(DictionaryName);
  return AddPathDelimiter(GetPathPart(DictionaryPath(DictionaryName))) + WordsListName + ".txt";
}

void TDictionary::ClearDictionary() {
  CalculateProbabilities = false;
  ActiveLettersCount = 0;
  ProbabilitiesTotal = 0;
  Alphabet.fill(0);
  LetterProbabilities.fill(0);
  LetterScores.fill(0);
  LengthScores.fill(0);
  WordsListModified = false;
  WordsListUnread = false;
  WordsList.Clear();
}

void TDictionary::ReadDictionary(TStoredTextList& list) {
  StatusFrame frame(VB_HERE, "TVorbelleForm::ReadDictionary");
  frame.Run([&] {
    ClearDictionary();

    std::string wordsListName = WordsListName;
    list.ReadText("Main", "WordsListName", true, wordsListName, kMaximumTextLength);
    // Empty means the dictionary's own name; anything else must stay in the folder.
    if (wordsListName.empty() || IsPlainFileName(wordsListName)) WordsListName = wordsListName;

    FontName = "Tahoma";
    list.ReadText("Main", "FontName", true, FontName, kMaximumTextLength);

    std::string letters;
    list.ReadText("Main", "Alphabet", true, letters, kMaximumTextLength);
    if (!letters.empty()) {
      CalculateProbabilities = true;
      // The alphabet has 40 slots; further characters are ignored.
      std::size_t count = std::min<std::size_t>(letters.size(), AlphabetSize);
      for (std::size_t i = 0; i < count; ++i) Alphabet[i] = static_cast<unsigned char>(letters[i]);
    }

    // A words list that fails to read is reported after the rest is read.
    bool wordsListFailed = false;
    TFunStatContext wordsListFailure;
    const std::string wordsListPath = WordsListPath();
    if (PathExists(wordsListPath)) {
      WordsList.Clear();
      WordsList.SetAlphabet(Alphabet);
      WordsListModified = false;
      if (!WordsList.LoadFromFile(wordsListPath)) {
        wordsListFailed = true;
        WordsListUnread = true;
        wordsListFailure = GlobalFunStat;
      }
    }

    if (CalculateProbabilities && WordsList.Count() < kWordsForCalculation) {
      CalculateProbabilities = false;
      ShowErrorText("There are not enough words in the words list\nto automatically calculate letter probabilities.");
    }
    if (CalculateProbabilities) {
      LetterProbabilities = CountLetters(WordsList.Entries(), Alphabet).Probabilities;
      ActiveLettersCount = static_cast<std::int32_t>(
          std::count_if(Alphabet.begin(), Alphabet.end(), [](unsigned char c) { return c != 0; }));
    } else {
      ReadLetterKeys(list);
    }
    WordsList.SetAlphabet(Alphabet);
    // An empty slot counts as active when its key gives it a probability, but a
    // letter that does not exist must never be drawn into the stock.
    for (int i = 0; i < AlphabetSize; ++i)
      if (Alphabet[i] == 0) LetterProbabilities[i] = 0;
    ProbabilitiesTotal = std::accumulate(LetterProbabilities.begin(), LetterProbabilities.end(), 0);

    for (int i = 0; i < AlphabetSize; ++i) LetterScores[i] = ComputeLetterScore(LetterProbabilities, i);
    for (int n = 1; n <= LengthScoresCount; ++n)
      list.ReadInteger("LengthScores", IntToText(n), LengthScores[n - 1], MaxProbability, 0);

    if (wordsListFailed) frame.Local() = wordsListFailure;
  }, __LINE__);
}

void TDictionary::ReadLetterKeys(const TStoredTextList& list) {
  ActiveLettersCount = 0;
  for (int i = 0; i < AlphabetSize; ++i) {
    Alphabet[i] = 0;
    list.ReadLetter("Alphabet", "Char" + IntToText(i), Alphabet[i]);
    LetterProbabilities[i] = 0;
    list.ReadInteger("Alphabet", "Prob" + IntToText(i), LetterProbabilities[i], MaxProbability, 0);
    if (LetterProbabilities[i] > 0) ++ActiveLettersCount;
  }
}

bool TDictionary::LoadDictionary(std::string name, const std::string& dictionariesFolder) {
  DictionariesFolder = AddPathDelimiter(dictionariesFolder);
  return LoadDictionary(std::move(name));
}

bool TDictionary::LoadDictionary(std::string name) {
  bool usable = false;
  StatusFrame frame(VB_HERE, "TVorbelleForm::LoadDictionary", "Failed to load dictionary.");
  frame.Run([&] {
    // The steps run in their own frame so that the clean-up comes before the report.
    StatusFrame steps(VB_HERE, "TVorbelleForm::LoadDictionary");
    steps.Run([&] {
      DictionaryName.clear();
      WordsListName.clear();
      const std::string path = DictionaryPath(name);
      // An empty name reads the folder itself, which holds no dictionary keys.
      if ((name.empty() || IsPlainFileName(name)) && PathExists(path)) {
        DictionaryName = name;
        // A file that cannot be read must not leave the previous dictionary's
        // letters and words in place under the new name: its modified words list
        // would later be saved over this dictionary's list.
        ClearDictionary();
        DictionaryFile.LoadFrom(path);
      } else {
        ClearDictionary();
        ShowWarningText("There is no such dictionary.");
      }
      // Without any drawable letter the stock could never be filled.
      if (ActiveLettersCount >= kMinimumActiveLetters && ProbabilitiesTotal > 0) {
        usable = true;
      } else {
        ShowWarningText("There aren't enough active letters to form an alphabet. \nChange the dictionary!");
      }
    }, __LINE__);
    if (frame.Adopt()) {
      usable = false;
      ClearDictionary();
      DictionaryName.clear();
      WordsListName.clear();
    }
  }, __LINE__);
  return usable;
}

void TDictionary::AddWord(const std::string& word) {
  if (WordsList.Contains(word)) return;
  WordsList.Append(word);
  WordsListModified = true;
}

void TDictionary::RemoveLastAddedWord(const std::string& word) {
  if (!WordsList.Empty() && WordsList[WordsList.Count() - 1] == word) WordsList.RemoveLast();
}

bool TDictionary::AddWordsToUnreadFile(const std::string& path) {
  StatusFrame frame(VB_HERE, "TDictionary::AddWordsToUnreadFile");
  bool written = false;
  frame.Run([&] {
    // The file is read again now; while it still cannot be read nothing is
    // written and the new words wait for the next save.
    std::string content;
    if (!TWordsList::ReadFileText(path, content)) {
      frame.Adopt();
      return;
    }
    TWordsList onDisk;
    onDisk.SetAlphabet(Alphabet);
    onDisk.SetText(content);
    // The file's own bytes stay as they are; only missing words are added.
    std::string added;
    // A list that was not read holds nothing but the words added since.
    for (const std::string& word : WordsList.Entries()) {
      if (onDisk.Contains(word)) continue;
      onDisk.Append(word);
      added += word + "\r\n";
    }
    if (added.empty()) {
      written = true;
      return;
    }
    if (!content.empty() && content.back() != '\n' && content.back() != '\r') content += "\r\n";
    written = ReplaceFileContent(path, content + added);
    if (!written) frame.Adopt();
  }, __LINE__);
  return written;
}

bool TDictionary::SaveDictionary() {
  bool saved = false;
  StatusFrame frame(VB_HERE, "TVorbelleForm::SaveDictionary", "Failed to save dictionary.");
  frame.Run([&] {
    if (WordsListModified && !DictionaryName.empty()) {
      const std::string path = WordsListPath();
      const bool written = WordsListUnread ? AddWordsToUnreadFile(path) : ReplaceFileContent(path, WordsList.Text());
      if (!written) {
        frame.Adopt();
        return;
      }
      ++WordsListWrites;
    }
    saved = true;
  }, __LINE__);
  return saved;
}

std::string TDictionary::WordsCountText() const {
  return "There are " + IntToText(static_cast<long long>(WordsList.Count())) + " words in the words list" +
         (WordsListModified ? "; new words." : ".");
}

std::string TDictionary::DictionaryDisplayName() const { return WithoutExtension(DictionaryName); }

std::int32_t TDictionary::LengthScore(int placed) const {
  return placed >= 1 && placed <= LengthScoresCount ? LengthScores[placed - 1] : 0;
}

}  // namespace vb
