#include "core/text/MyTime.h"

namespace vb {

static bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DayOfYear(int year, int month, int day) {
  static const int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  if (month < 1 || month > 12) return day;
  return before[month - 1] + day + (month > 2 && IsLeapYear(year) ? 1 : 0);
}

int HundredSecondCount(const LocalDateTime& time) {
  long long ms = ((time.Hour * 60LL + time.Minute) * 60 + time.Second) * 1000 + time.Millisecond;
  return static_cast<int>(ms / 100000);
}

std::string TimeText(const LocalDateTime& time) {
  Platform& platform = GetPlatform();
  return platform.LongDateText(time) + " (" + std::to_string(DayOfYear(time.Year, time.Month, time.Day)) +
         ") | " + platform.LongTimeText(time) + " (" + std::to_string(HundredSecondCount(time)) + ")";
}

std::string CurrentTimeText() { return TimeText(GetPlatform().Now()); }

}  // namespace vb
