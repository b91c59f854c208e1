#include "ui/HighContrast.h"

#include <windows.h>

namespace vb::ui {

bool HighContrastOn() {
  char forced[4] = {};
  if (::GetEnvironmentVariableA("VORBELLE_HIGH_CONTRAST", forced, sizeof forced) > 0) return forced[0] == '1';
  HIGHCONTRASTA contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace vb::ui
