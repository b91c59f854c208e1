// Benchmarks of the words list: loading against plain reading, indexed lookup
// against the scan, the letter count, and memory per word. Google Benchmark runs
// the registered cases; the summary after them prints "name: value" lines.
// "--smoke" runs a tiny summary only (for ctest).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/dictionary/LetterStatistics.h"
#include "core/base/Platform.h"
#include "BenchMain.h"
#include "platform/DefaultPlatform.h"
#include "core/text/TextLines.h"
#include "core/dictionary/WordsList.h"

namespace vb {
namespace {

using Clock = std::chrono::steady_clock;

std::string EnglishListPath() { return std::string(VB_SOURCE_DIR) + "\\data\\VorbelleDictionaries\\English.txt"; }

// Upper-case words of 3..12 letters; `seed` picks the set.
std::vector<std::string> RandomWords(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> length(3, 12), letter('A', 'Z');
  std::vector<std::string> words(count);
  for (std::string& word : words) {
    word.resize(static_cast<std::size_t>(length(random)));
    for (char& c : word) c = static_cast<char>(letter(random));
  }
  return words;
}

std::string JoinLines(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\r\n";
  return text;
}

TAlphabet LatinAlphabet() {
  TAlphabet alphabet{};
  for (int i = 0; i < 26; ++i) alphabet[i] = static_cast<unsigned char>('A' + i);
  return alphabet;
}

template <class Work>
double SecondsOf(Work&& work, int repeats) {
  double best = 1e30;
  for (int i = 0; i < repeats; ++i) {
    auto start = Clock::now();
    work();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

void BM_ReadAndSplit(benchmark::State& state) {
  for (auto _ : state) {
    std::string content;
    GetPlatform().ReadFileBytes(EnglishListPath(), content);
    benchmark::DoNotOptimize(SplitLines(content));
  }
}
BENCHMARK(BM_ReadAndSplit)->Unit(benchmark::kMillisecond);

void BM_LoadWordsList(benchmark::State& state) {
  for (auto _ : state) {
    TWordsList list;
    list.LoadFromFile(EnglishListPath());
    benchmark::DoNotOptimize(list.Count());
  }
}
BENCHMARK(BM_LoadWordsList)->Unit(benchmark::kMillisecond);

void BM_IndexedLookup(benchmark::State& state) {
  TWordsList list;
  list.SetText(JoinLines(RandomWords(100000, 1)));
  std::vector<std::string> queries = RandomWords(1000, 2);
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(list.IsKnownWord(queries[i++ % queries.size()]));
}
BENCHMARK(BM_IndexedLookup);

void BM_CountLetters(benchmark::State& state) {
  std::vector<std::string> words = RandomWords(500000, 3);
  TAlphabet alphabet = LatinAlphabet();
  for (auto _ : state) benchmark::DoNotOptimize(CountLetters(words, alphabet));
}
BENCHMARK(BM_CountLetters)->Unit(benchmark::kMillisecond);

// The figures asked of the words list, measured directly.
void PrintSummary(bool smoke) {
  const std::size_t listSize = smoke ? 2000 : 100000;
  const int repeats = smoke ? 1 : 5;

  const double readSplit = SecondsOf([&] {
    std::string content;
    GetPlatform().ReadFileBytes(EnglishListPath(), content);
    benchmark::DoNotOptimize(SplitLines(content));
  }, repeats);
  const double load = SecondsOf([&] {
    TWordsList list;
    list.LoadFromFile(EnglishListPath());
    benchmark::DoNotOptimize(list.Count());
  }, repeats);
  std::printf("words_list_load_over_read_and_split: %.2f\n", load / readSplit);

  std::vector<std::string> words = RandomWords(listSize, 1);
  TWordsList list;
  list.SetText(JoinLines(words));
  std::printf("bytes_per_loaded_word: %.1f\n", static_cast<double>(list.MemoryBytes()) / list.Count());

  std::vector<std::string> hits, misses = RandomWords(smoke ? 5 : 20, 7);
  for (std::size_t i = 0; i < misses.size(); ++i) hits.push_back(words[(i * 7919 + listSize / 2) % listSize]);
  for (std::string& miss : misses) miss += "QQ";  // longer than any entry
  for (const char* kind : {"hits", "misses"}) {
    const std::vector<std::string>& queries = std::strcmp(kind, "hits") == 0 ? hits : misses;
    const int rounds = 2000;
    const double indexed = SecondsOf([&] {
      for (int r = 0; r < rounds; ++r)
        for (const std::string& q : queries) benchmark::DoNotOptimize(list.IsKnownWord(q));
    }, repeats) / rounds;
    const double scanned = SecondsOf([&] {
      for (const std::string& q : queries) benchmark::DoNotOptimize(IsKnownWordByScan(list.Entries(), q));
    }, repeats);
    std::printf("lookup_speedup_over_scan_%s_%zu_words: %.0f\n", kind, listSize, scanned / indexed);
  }

  std::vector<std::string> many = RandomWords(smoke ? 5000 : 500000, 3);
  TAlphabet alphabet = LatinAlphabet();
  const double count = SecondsOf([&] { benchmark::DoNotOptimize(CountLetters(many, alphabet)); }, repeats);
  std::printf("count_letters_%zu_words_seconds: %.4f\n", many.size(), count);
}

}  // namespace
}  // namespace vb

int main(int argc, char** argv) { return vb::RunBenchmarkProgram(argc, argv, vb::PrintSummary); }
