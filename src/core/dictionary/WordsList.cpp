#include "core/dictionary/WordsList.h"

#include "core/base/Platform.h"
#include "core/errors/StatusFrame.h"
#include "core/text/TextLines.h"

namespace vb {

namespace {
// Strings up to this length live inside the string object (libstdc++).
constexpr std::size_t kInlineCapacity = 15;
}  // namespace

void TWordsList::Clear() {
  entries_.clear();
  entries_.shrink_to_fit();
  index_.Clear();
  indexed_ = false;
}

void TWordsList::SetAlphabet(const TAlphabet& alphabet) {
  if (alphabet == alphabet_) return;
  alphabet_ = alphabet;
  if (entries_.empty()) {
    index_.Clear();
    indexed_ = false;
  } else {
    BuildIndex();
  }
}

void TWordsList::BuildIndex() {
  index_.Build(entries_, TLetterFold::Derive(GetPlatform(), alphabet_));
  indexed_ = true;
}

void TWordsList::SetText(const std::string& text) {
  entries_ = SplitLines(text);
  BuildIndex();
}

bool TWordsList::ReadFileText(const std::string& path, std::string& content) {
  bool read = false;
  StatusFrame frame(VB_HERE, "TWordsList::LoadFromFile");
  frame.Run([&] {
    Platform& platform = GetPlatform();
    platform.SetLastError(0);
    if (!platform.ReadFileBytes(path, content))
      return frame.Raise(__LINE__, "Failed to read words list.", path, "", platform.GetLastError());
    read = true;
  }, __LINE__);
  return read;
}

bool TWordsList::LoadFromFile(const std::string& path) {
  std::string content;
  if (!ReadFileText(path, content)) return false;
  SetText(content);
  return true;
}

std::string TWordsList::Text() const {
  std::size_t size = 0;
  for (const std::string& entry : entries_) size += entry.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& entry : entries_) {
    text += entry;
    text += "\r\n";
  }
  return text;
}

bool TWordsList::IsKnownWord(const std::string& word) const {
  std::uint32_t first = index_.FindFirstEqual(entries_, word);
  return first != TWordIndex::NotFound && entries_[first].size() == word.size();
}

bool TWordsList::Contains(const std::string& word) const {
  const std::uint32_t first = index_.FindFirstEqual(entries_, word);
  if (first == TWordIndex::NotFound) return false;
  if (entries_[first].size() == word.size()) return true;
  // Rare (an ignorable character, or letters the locale equates with others):
  // only then are the later entries scanned.
  Platform& platform = GetPlatform();
  for (std::size_t i = first + 1; i < entries_.size(); ++i)
    if (entries_[i].size() == word.size() && platform.CompareTextIgnoreCase(entries_[i], word) == 0) return true;
  return false;
}

void TWordsList::Append(const std::string& word) {
  entries_.push_back(word);
  // A list that was never filled derives its fold with its first word.
  if (indexed_)
    index_.Add(entries_, static_cast<std::uint32_t>(entries_.size() - 1));
  else
    BuildIndex();
}

void TWordsList::RemoveLast() {
  if (entries_.empty()) return;
  entries_.pop_back();
  // Building the index again is the simple exact way back (it hashes folds,
  // so even a long list takes a moment only); the fold stays as it was.
  const TLetterFold fold = index_.Fold();
  index_.Build(entries_, fold);
}

std::size_t TWordsList::MemoryBytes() const {
  std::size_t bytes = sizeof(*this) - sizeof(index_) + entries_.capacity() * sizeof(std::string);
  for (const std::string& entry : entries_)
    if (entry.capacity() > kInlineCapacity) bytes += entry.capacity() + 1;
  return bytes + index_.MemoryBytes();
}

bool IsKnownWordByScan(const std::vector<std::string>& entries, const std::string& word) {
  Platform& platform = GetPlatform();
  for (const std::string& entry : entries)
    if (platform.CompareTextIgnoreCase(entry, word) == 0) return entry.size() == word.size();
  return false;
}

}  // namespace vb
