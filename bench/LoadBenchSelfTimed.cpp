// The benchmark of the Windows build, where Google Benchmark is not at hand:
// the words-list load and the hint, timed by themselves and printed as
// "name: value" lines. "--smoke" times the English list once and a few hints
// (for ctest).
#include <cstdio>
#include <cstring>

#include "HintTiming.h"
#include "LoadTiming.h"
#include "platform/DefaultPlatform.h"

int main(int argc, char** argv) {
  vb::SetPlatform(&vb::DefaultPlatform());
  const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
  int status = 0;
  for (const char* name : {"English", "Dutch"}) {
    const vb::TLoadFigures figures = vb::MeasureLoad(name, smoke ? 1 : 9);
    std::printf("%s_words: %zu\n%s_load_ms: %.2f\n%s_read_and_split_ms: %.2f\n%s_load_over_read_and_split: %.2f\n",
                name, figures.Words, name, figures.LoadSeconds * 1000, name, figures.ReadAndSplitSeconds * 1000, name,
                figures.Ratio());
    if (figures.Words == 0) status = 1;  // the list did not load: no figure to trust
    if (smoke) break;
  }
  const vb::THintFigures hints = vb::MeasureHints(smoke ? 3 : 60);
  std::printf("hint_positions: %zu\nhint_median_ms: %.2f\nhint_worst_ms: %.2f\n", hints.Positions,
              hints.MedianMilliseconds, hints.WorstMilliseconds);
  if (hints.Positions == 0) status = 1;
  return status;
}
