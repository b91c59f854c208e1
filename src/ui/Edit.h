#pragma once
// Text edits: a one-line edit (read-only for names the program shows, or for
// digits the player types) and a multi-line memo with scroll bars (reports).
#include <string>
#include <vector>

#include "ui/Window.h"

namespace vb::ui {

class Edit : public Window {
 public:
  bool Create(Window& parent, const Bounds& bounds, const std::string& text = {}, bool readOnly = true);
  // An editable one-line edit that takes typed decimal digits only, at most
  // `maxLength` characters. Pasted text is not filtered: readers still check it.
  bool CreateDigits(Window& parent, const Bounds& bounds, int maxLength);
  // Selects the whole text, so that typing replaces it.
  void SelectAll();
};

class Memo : public Window {
 public:
  bool Create(Window& parent, const Bounds& bounds, bool readOnly = true, bool wordWrap = false);
  // Lines are joined with CR LF, as the control expects.
  void SetLines(const std::vector<std::string>& lines);
  // Replaces the text; bare LF line ends become CR LF.
  void SetMemoText(const std::string& text);
};

// The text with every line end in CR LF form.
std::string WithCrLfLineEnds(const std::string& text);

}  // namespace vb::ui
