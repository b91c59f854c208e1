#pragma once
// Rounding helpers behind letter probabilities, letter scores and time texts.

namespace vb {

// x minus its integer part truncated toward zero (keeps the sign of x).
double FractionalPart(double x);
// x minus the largest integer not above x: always in [0, 1).
double PositiveFractionalPart(double x);
// Halves rounded upward: 2.5 -> 3, -2.5 -> -2, -2.6 -> -3.
double RoundHalfUp(double x);
// Largest of the first count values; -2147483648 for none.
int MaxOf(const int* values, int count);

}  // namespace vb
