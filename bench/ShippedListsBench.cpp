// The biggest shipped words list, which a new game with its dictionary waits
// for: loading it (lines and lookup index) against only reading and splitting the
// same file, the floor of any load. The "over_read_and_split" counter is the
// ratio of the two, measured in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/base/Platform.h"
#include "core/text/TextLines.h"
#include "core/dictionary/WordsList.h"

namespace vb {
namespace {

namespace fs = std::filesystem;

// The largest words list (not a licence text) in the shipped dictionaries folder.
std::string BiggestShippedListPath() {
  const fs::path folder = fs::path(VB_SOURCE_DIR) / "data" / "VorbelleDictionaries";
  std::string biggest;
  std::uintmax_t biggestSize = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".txt" || name.find("-copyright") != std::string::npos) continue;
    if (entry.file_size() > biggestSize) {
      biggestSize = entry.file_size();
      biggest = name;
    }
  }
  return std::string(VB_SOURCE_DIR) + "\\data\\VorbelleDictionaries\\" + biggest;
}

double ReadAndSplitSeconds(const std::string& path) {
  const auto start = std::chrono::steady_clock::now();
  std::string content;
  GetPlatform().ReadFileBytes(path, content);
  benchmark::DoNotOptimize(SplitLines(content));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_LoadBiggestShippedList(benchmark::State& state) {
  const std::string path = BiggestShippedListPath();
  double baseline = ReadAndSplitSeconds(path);
  double loading = 0;
  std::size_t words = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    TWordsList list;
    list.LoadFromFile(path);
    words = list.Count();
    loading += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.PauseTiming();
    baseline = std::min(baseline, ReadAndSplitSeconds(path));
    state.ResumeTiming();
  }
  state.counters["words"] = static_cast<double>(words);
  state.counters["over_read_and_split"] = loading / static_cast<double>(state.iterations()) / baseline;
}
BENCHMARK(BM_LoadBiggestShippedList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vb
