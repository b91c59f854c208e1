// The load benchmark of the Windows build, where Google Benchmark is not at
// hand: the same timing, run by itself and printed as "name: value" lines.
// "--smoke" times the English list once (for ctest).
#include <cstdio>
#include <cstring>

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
  return status;
}
