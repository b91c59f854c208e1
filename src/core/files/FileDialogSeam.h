#pragma once
// The common file dialogs as the game commands see them. The window supplies
// the system dialogs; tests answer from a script.
#include <string>

namespace vb {

struct TFileDialog {
  std::string Title;
  // One or more "description|pattern" pairs joined by bars.
  std::string Filter;
  // The initial file name (it may be a pattern such as "C:\Games\*.vbg"); after
  // the player chose a file, the chosen path.
  std::string FileName;
  // Appended (after a ".") to a typed name without extension; empty for none.
  std::string DefaultExtension;
};

class TFileDialogs {
 public:
  virtual ~TFileDialogs() = default;
  // Show the dialog modally; true (and dialog.FileName set) when the player chose a file.
  virtual bool ExecuteOpen(TFileDialog& dialog) = 0;
  virtual bool ExecuteSave(TFileDialog& dialog) = 0;
};

// Dialogs that the player always cancels: for a game without a window.
class TNoFileDialogs : public TFileDialogs {
 public:
  bool ExecuteOpen(TFileDialog&) override { return false; }
  bool ExecuteSave(TFileDialog&) override { return false; }
};

}  // namespace vb
