#pragma once
// The loaded words list: one entry per line of the words list file, in file
// order, then the words appended during play. Duplicates and empty entries are
// kept. Lookups go through an index that gives the same answers as scanning.
#include <cstdint>
#include <string>
#include <vector>

#include "core/dictionary/LetterStatistics.h"
#include "core/dictionary/WordIndex.h"

namespace vb {

class TWordsList {
 public:
  // Empties the list; the alphabet stays.
  void Clear();
  // The dictionary's letters, which the lookup index folds words by (derived
  // from the platform's comparison at each load). Rebuilds the index of a
  // filled list when they change.
  void SetAlphabet(const TAlphabet& alphabet);
  // Replaces the entries by the lines of an 8-bit text (CR, LF or CR LF).
  void SetText(const std::string& text);
  // Forwarding frame "TWordsList::LoadFromFile": replaces the entries by the
  // file's lines; on failure raises "Failed to read words list." and keeps the
  // entries as they were.
  bool LoadFromFile(const std::string& path);
  // The file's bytes, read in the same frame and with the same failure as LoadFromFile.
  static bool ReadFileText(const std::string& path, std::string& content);
  // Every entry followed by CR LF.
  std::string Text() const;

  // The first entry equal to the word (locale-aware, ignoring case) must exist
  // and have the word's length.
  bool IsKnownWord(const std::string& word) const;
  // True when some entry is this word exactly: equal under the same comparison
  // and of the same length. A word the lookup calls unknown may still be in the
  // list behind an equal entry of another length.
  bool Contains(const std::string& word) const;
  void Append(const std::string& word);
  // Takes the last entry off again (an undone addition); nothing when empty.
  void RemoveLast();

  std::size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  const std::vector<std::string>& Entries() const { return entries_; }
  const std::string& operator[](std::size_t i) const { return entries_[i]; }
  // How the list's comparison folds each byte (derived once per alphabet).
  const TLetterFold& Fold() const { return index_.Fold(); }

  // Approximate heap and object bytes held by the list and its index.
  std::size_t MemoryBytes() const;

 private:
  void BuildIndex();

  std::vector<std::string> entries_;
  TAlphabet alphabet_{};
  TWordIndex index_;
  bool indexed_ = false;
};

// The lookup rule applied by scanning every entry (the reference for the index).
bool IsKnownWordByScan(const std::vector<std::string>& entries, const std::string& word);

}  // namespace vb
