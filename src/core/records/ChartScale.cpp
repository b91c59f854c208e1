#include "core/records/ChartScale.h"

#include <algorithm>

namespace vb {

TChartAxis NiceAxis(std::int64_t largest, int maxSteps) {
  if (maxSteps < 1) maxSteps = 1;
  if (largest < 1) largest = 1;
  // Scores are 32-bit, so a power of ten up to 10^10 always suffices.
  for (std::int64_t power = 1;; power *= 10) {
    for (const std::int64_t factor : {1, 2, 5}) {
      const std::int64_t step = factor * power;
      const std::int64_t steps = (largest + step - 1) / step;
      if (steps <= maxSteps) return {steps * step, step};
    }
  }
}

std::vector<std::int64_t> AxisTicks(const TChartAxis& axis) {
  std::vector<std::int64_t> ticks;
  if (axis.Step <= 0 || axis.Maximum <= 0) return {0};
  for (std::int64_t value = 0; value <= axis.Maximum; value += axis.Step) ticks.push_back(value);
  return ticks;
}

int ValueY(const TChartRect& plot, const TChartAxis& axis, std::int64_t value) {
  if (axis.Maximum <= 0 || value <= 0) return plot.Bottom();
  if (value >= axis.Maximum) return plot.Top;
  // Rounded to the nearest pixel; 64 bits hold value * height for any score.
  const std::int64_t rise = (value * plot.Height * 2 + axis.Maximum) / (axis.Maximum * 2);
  return plot.Bottom() - static_cast<int>(rise);
}

TBarSpan BarSpan(const TChartRect& plot, std::size_t index, std::size_t slots) {
  if (slots == 0) return {plot.Left, 1};
  index = std::min(index, slots - 1);
  const std::int64_t width = std::max(plot.Width, 1);
  const int slotLeft = plot.Left + static_cast<int>(static_cast<std::int64_t>(index) * width /
                                                    static_cast<std::int64_t>(slots));
  const int slotRight = plot.Left + static_cast<int>(static_cast<std::int64_t>(index + 1) * width /
                                                     static_cast<std::int64_t>(slots));
  const int slotWidth = slotRight - slotLeft;
  const int gap = slotWidth / 5;
  return {slotLeft + gap / 2 + gap % 2, std::max(slotWidth - gap, 1)};
}

}  // namespace vb
