#pragma once
// The shared main of the benchmark programs: installs the platform, runs the
// registered Google Benchmark cases, then the program's summary. "--smoke" skips
// the cases and runs a tiny summary (for ctest).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/DefaultPlatform.h"

namespace vb {

inline int RunBenchmarkProgram(int argc, char** argv, void (*summary)(bool smoke)) {
  SetPlatform(&DefaultPlatform());
  bool smoke = false;
  std::vector<char*> arguments;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--smoke") == 0)
      smoke = true;
    else
      arguments.push_back(argv[i]);
  }
  if (!smoke) {
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::RunSpecifiedBenchmarks();
  }
  summary(smoke);
  return 0;
}

}  // namespace vb
