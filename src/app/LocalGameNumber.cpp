#include "app/LocalGameNumber.h"

#include <windows.h>

#include "core/game/SeededDeal.h"

namespace vb {

std::uint32_t TodaysLocalGameNumber() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return TodaysGameNumber(now.wYear, now.wMonth, now.wDay).value_or(kMinGameNumber);
}

}  // namespace vb
