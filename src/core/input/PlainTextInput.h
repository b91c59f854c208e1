#pragma once
// A text input that is just a text: stands in for a combo box where no window
// is attached (tests, the game before the window connects its controls).
#include <string>
#include <utility>

#include "core/input/Utilities.h"

namespace vb {

class TPlainTextInput : public TextInput {
 public:
  explicit TPlainTextInput(std::string text = {}) : Text(std::move(text)) {}
  std::string Text;
  std::string GetText() const override { return Text; }
  void SetText(const std::string& text) override { Text = text; }
  void Focus() override {}
};

}  // namespace vb
