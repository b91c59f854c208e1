#include "core/text/MyMath.h"

#include <cmath>

namespace vb {

double FractionalPart(double x) {
  if (!std::isfinite(x)) return 0.0;
  return x - std::trunc(x);
}

double PositiveFractionalPart(double x) {
  double f = FractionalPart(x);
  return f < 0 ? f + 1.0 : f;
}

double RoundHalfUp(double x) {
  return PositiveFractionalPart(x) >= 0.5 ? std::ceil(x) : std::floor(x);
}

int MaxOf(const int* values, int count) {
  double best = -2147483648.0;
  for (int i = 0; i < count; ++i)
    if (static_cast<double>(values[i]) > best) best = values[i];
  return static_cast<int>(best);
}

}  // namespace vb
