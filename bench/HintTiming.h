#pragma once
// Timing of a hint as the player waits for it: the coach's first Ctrl+H on a
// position (every legal move found and one way to put each word chosen), on
// mid-game positions of the English 15 x 15 game from random play with a
// fixed seed. Shared by the benchmark programs of both builds.
#include <cstddef>

namespace vb {

struct THintFigures {
  std::size_t Positions = 0;
  double MedianMilliseconds = 0;
  double WorstMilliseconds = 0;
};

THintFigures MeasureHints(std::size_t positions);

}  // namespace vb
