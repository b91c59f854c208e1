#pragma once
// A word-wrapped label whose lines are centred within its bounds.
#include <string>

#include "ui/Label.h"

namespace vb::ui {

bool CreateCentredLabel(Label& label, Window& parent, const Bounds& bounds, const std::string& text = {});

}  // namespace vb::ui
