#pragma once
// Today's game number from the computer's local date.
#include <cstdint>

namespace vb {

// The local date as YYYYMMDD; the smallest game number should the clock not
// give a calendar date.
std::uint32_t TodaysLocalGameNumber();

}  // namespace vb
