#include "LoadTiming.h"

#include <algorithm>
#include <chrono>
#include <map>

#include "core/base/Platform.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/WordsList.h"
#include "core/text/TextLines.h"

namespace vb {

namespace {
using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string ShippedFolder() { return std::string(VB_SOURCE_DIR) + "\\data\\VorbelleDictionaries\\"; }

// The dictionary's letters, read once outside any timing.
const TAlphabet& AlphabetOf(const std::string& name) {
  static std::map<std::string, TAlphabet> known;
  auto found = known.find(name);
  if (found != known.end()) return found->second;
  TDictionary dictionary(ShippedFolder());
  dictionary.LoadDictionary(name + ".vbd");
  return known.emplace(name, dictionary.Alphabet).first->second;
}

// Keeps results alive so the work is not optimised away.
volatile std::size_t sink;
}  // namespace

std::string ShippedListPath(const std::string& name) { return ShippedFolder() + name + ".txt"; }

double ReadAndSplitSeconds(const std::string& name) {
  const std::string path = ShippedListPath(name);
  const auto start = Clock::now();
  std::string content;
  GetPlatform().ReadFileBytes(path, content);
  sink = SplitLines(content).size();
  return Since(start);
}

double LoadSeconds(const std::string& name, std::size_t* words) {
  const std::string path = ShippedListPath(name);
  const TAlphabet& alphabet = AlphabetOf(name);
  const auto start = Clock::now();
  TWordsList list;
  list.SetAlphabet(alphabet);
  list.LoadFromFile(path);
  sink = list.Count();
  const double seconds = Since(start);
  if (words) *words = list.Count();
  return seconds;
}

TLoadFigures MeasureLoad(const std::string& name, int repeats) {
  TLoadFigures figures;
  figures.ReadAndSplitSeconds = figures.LoadSeconds = 1e30;
  for (int i = 0; i < repeats; ++i) {
    figures.ReadAndSplitSeconds = std::min(figures.ReadAndSplitSeconds, ReadAndSplitSeconds(name));
    figures.LoadSeconds = std::min(figures.LoadSeconds, LoadSeconds(name, &figures.Words));
  }
  return figures;
}

}  // namespace vb
