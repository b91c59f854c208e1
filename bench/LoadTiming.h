#pragma once
// Timing of what a player waits for when a dictionary opens: its words list
// read, split into entries and indexed for lookups, against only reading and
// splitting the same file, the floor of any load. Shared by the Google
// Benchmark program and the self-timing one of the Windows build.
#include <cstddef>
#include <string>

namespace vb {

struct TLoadFigures {
  std::size_t Words = 0;
  double ReadAndSplitSeconds = 0;
  double LoadSeconds = 0;
  double Ratio() const { return LoadSeconds / ReadAndSplitSeconds; }
};

// The shipped dictionary's words list ("English", "Dutch"...).
std::string ShippedListPath(const std::string& name);
double ReadAndSplitSeconds(const std::string& name);
double LoadSeconds(const std::string& name, std::size_t* words = nullptr);
// The best of `repeats` runs of each, taken in turns so both see the same machine.
TLoadFigures MeasureLoad(const std::string& name, int repeats);

}  // namespace vb
