#pragma once
// The time text of error reports: "<long date> (<day of year>) | <long time> (<100 s count>)".
#include <string>

#include "core/base/Platform.h"

namespace vb {

int DayOfYear(int year, int month, int day);
// Whole 100-second periods since midnight: 0..863.
int HundredSecondCount(const LocalDateTime& time);
std::string TimeText(const LocalDateTime& time);
std::string CurrentTimeText();

}  // namespace vb
