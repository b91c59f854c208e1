// Loading the English and the Dutch (biggest of the figures asked) words list
// against reading and splitting the same file. The "over_read_and_split"
// counter is their ratio, measured in the same run; the summary prints
// "name: value" lines. "--smoke" runs a tiny summary only (for ctest).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

#include "BenchMain.h"
#include "LoadTiming.h"

namespace vb {
namespace {

void BM_LoadShippedList(benchmark::State& state, const char* name) {
  double baseline = ReadAndSplitSeconds(name), loading = 0;
  std::size_t words = 0;
  for (auto _ : state) {
    const double seconds = LoadSeconds(name, &words);
    state.SetIterationTime(seconds);
    loading += seconds;
    state.PauseTiming();
    baseline = std::min(baseline, ReadAndSplitSeconds(name));
    state.ResumeTiming();
  }
  state.counters["words"] = static_cast<double>(words);
  state.counters["read_and_split_ms"] = baseline * 1000;
  state.counters["over_read_and_split"] = loading / static_cast<double>(state.iterations()) / baseline;
}
BENCHMARK_CAPTURE(BM_LoadShippedList, English, "English")->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK_CAPTURE(BM_LoadShippedList, Dutch, "Dutch")->Unit(benchmark::kMillisecond)->UseManualTime();

void PrintSummary(bool smoke) {
  for (const char* name : {"English", "Dutch"}) {
    const TLoadFigures figures = MeasureLoad(name, smoke ? 1 : 7);
    std::printf("%s_load_ms: %.2f\n%s_read_and_split_ms: %.2f\n%s_load_over_read_and_split: %.2f\n", name,
                figures.LoadSeconds * 1000, name, figures.ReadAndSplitSeconds * 1000, name, figures.Ratio());
    if (smoke) break;
  }
}

}  // namespace
}  // namespace vb

int main(int argc, char** argv) { return vb::RunBenchmarkProgram(argc, argv, vb::PrintSummary); }
