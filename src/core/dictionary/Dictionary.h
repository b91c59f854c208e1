#pragma once
// The current dictionary: the letter tables, the words list and the names read
// from a ".vbd" file in the dictionaries folder. The game presenter owns one and
// shows what a load left in it (names, font, letters, words count).
#include <array>
#include <cstdint>
#include <string>

#include "core/dictionary/LetterStatistics.h"
#include "core/store/StoredTextList.h"
#include "core/dictionary/WordsList.h"

namespace vb {

class TDictionary {
 public:
  // The program folder's "VorbelleDictionaries\" folder.
  static std::string DefaultDictionariesFolder();

  explicit TDictionary(std::string dictionariesFolder = DefaultDictionariesFolder());
  TDictionary(const TDictionary&) = delete;
  TDictionary& operator=(const TDictionary&) = delete;

  // Tables. LengthScores[n - 1] is the bonus for n placed letters (n = 1..7).
  TAlphabet Alphabet{};
  TLetterTable LetterProbabilities{};
  TLetterTable LetterScores{};
  std::array<std::int32_t, LengthScoresCount> LengthScores{};
  std::int32_t ActiveLettersCount = 0;
  std::int32_t ProbabilitiesTotal = 0;   // sum of LetterProbabilities, for weighted drawing
  bool CalculateProbabilities = false;  // the "Alphabet" key asked for computed probabilities

  TWordsList WordsList;
  bool WordsListModified = false;
  // The words list file is there but could not be read (another program held
  // it): WordsList holds only the words added since, so it is never written
  // over the file.
  bool WordsListUnread = false;

  std::string DictionaryName = "English.vbd";  // file name in the dictionaries folder
  std::string WordsListName;                  // words list name without ".txt"
  std::string FontName = "Tahoma";
  std::string DictionariesFolder;  // ends with a path delimiter

  // Bound to ReadDictionary; never saved.
  TStoredTextList DictionaryFile;

  void ClearDictionary();
  // The OnLoad handler of DictionaryFile (forwarding frame "TVorbelleForm::ReadDictionary").
  void ReadDictionary(TStoredTextList& list);
  // Reporting frame "TVorbelleForm::LoadDictionary", failure text "Failed to load
  // dictionary.". True when the dictionary has more than 10 active letters; when
  // false the game must reset its counters and empty the stock.
  // The name is taken by value: loading empties DictionaryName, which callers often pass.
  bool LoadDictionary(std::string name);
  bool LoadDictionary(std::string name, const std::string& dictionariesFolder);
  std::string DictionaryPath(const std::string& name) const;
  // The words list file beside the dictionary; fills an empty WordsListName
  // from DictionaryName.
  std::string WordsListPath();

  bool IsKnownWord(const std::string& word) const { return WordsList.IsKnownWord(word); }
  // Appends the word and marks the list modified; a word the list holds exactly
  // already is not appended again.
  void AddWord(const std::string& word);
  // Takes back the word AddWord appended last (an undone put); the list's
  // modified flag is the caller's to restore.
  void RemoveLastAddedWord(const std::string& word);
  // How many times the words list file was written; an undo after a save must
  // leave the list marked modified, since the file holds the undone word.
  std::uint32_t WordsListWrites = 0;
  // Reporting frame "TVorbelleForm::SaveDictionary", failure text "Failed to save
  // dictionary.": writes the list when it was modified and a dictionary is loaded.
  // A list whose file could not be read adds its new words to the file as it is
  // now instead. False only when writing failed.
  bool SaveDictionary();

  // "There are N words in the words list." (or "; new words." when modified).
  std::string WordsCountText() const;
  // DictionaryName without its extension, as the dictionary edit shows it.
  std::string DictionaryDisplayName() const;

  int LetterIndex(unsigned char letter) const { return vb::LetterIndex(Alphabet, letter); }
  // The bonus for `placed` letters; 0 outside 1..7.
  std::int32_t LengthScore(int placed) const;

 private:
  bool AddWordsToUnreadFile(const std::string& path);
  void ReadLetterKeys(const TStoredTextList& list);
};

}  // namespace vb
