#pragma once
// Whether the system's high-contrast setting is on. The environment variable
// VORBELLE_HIGH_CONTRAST=1 forces it (=0 forces it off), for testing where the
// setting cannot be switched (wine always reads it off).
namespace vb::ui {

bool HighContrastOn();

}  // namespace vb::ui
