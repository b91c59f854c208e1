#pragma once
// The arithmetic of the Statistics window's bar charts, kept apart from the
// drawing: a value axis from 0 to a round maximum with round ticks, and where
// a value or a slot lands in the plot rectangle (device pixels, y downward).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vb {

// Ticks at 0, Step, 2 * Step, ... up to Maximum (a multiple of Step).
struct TChartAxis {
  std::int64_t Maximum = 1;
  std::int64_t Step = 1;
};

// The smallest axis whose step is 1, 2 or 5 times a power of ten, with at most
// `maxSteps` steps, that reaches `largest`. Values below 1 get the axis 0..1.
TChartAxis NiceAxis(std::int64_t largest, int maxSteps = 5);
// The tick values from 0 to the maximum.
std::vector<std::int64_t> AxisTicks(const TChartAxis& axis);

struct TChartRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int Bottom() const { return Top + Height; }
};

// The y of a value: the plot's bottom for 0 and below, its top for the
// maximum and above.
int ValueY(const TChartRect& plot, const TChartAxis& axis, std::int64_t value);

// A bar in slot `index` of `slots` equal slots across the plot, with a gap of
// about a fifth of the slot between bars; at least 1 pixel wide.
struct TBarSpan {
  int Left = 0, Width = 0;
  int Centre() const { return Left + Width / 2; }
};
TBarSpan BarSpan(const TChartRect& plot, std::size_t index, std::size_t slots);

// How many slots a chart of `count` bars uses: at least `fewest`, so that a
// few bars stay slim instead of filling the plot.
inline std::size_t ChartSlots(std::size_t count, std::size_t fewest = 10) { return count < fewest ? fewest : count; }

}  // namespace vb
