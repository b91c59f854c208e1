#pragma once
// The error dialog: shows a failure text with its full report, lets the player
// accept it, cancel, end the program at once, append the report to the error
// log or read the help. Counts failures reported while it is already showing.
#include <functional>
#include <string>

#include "core/errors/ErrorDialogSeam.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace vb {

class TErrorForm : public ui::Form, public ErrorDialogSeam {
 public:
  static constexpr int kClientWidth = 340;
  static constexpr int kClientHeight = 265;
  // The modal result of "Okay (no errors)".
  static constexpr int kModalYes = 6;

  TErrorForm() = default;
  ~TErrorForm() override;

  // Creates the hidden window and registers it as the program's error dialog.
  bool Create();

  // ErrorDialogSeam.
  int RecursionCount() const override { return recursionCount_; }
  bool Dialog(const std::string& caption, const std::string& failureText, bool* noErrors,
              const std::string& report) override;

  void TerminateButtonClick();
  void LogButtonClick();
  void HelpButtonClick();

  // Opens help at a context; by default the help viewer over the dialog.
  std::function<void(int context)> ShowHelp;

  ui::Memo MainMemo;
  ui::Button OkayButton;
  ui::Button CancelButton;
  ui::Button OkayNoErrorsButton;
  ui::Button TerminateButton;
  ui::Button LogButton;
  ui::Button HelpButton;
  ui::Label RecursionLabel;

 protected:
  void OnActivated() override;
  // Enter presses the focused button (Okay when the memo has the focus).
  void OnDialogKey(int id) override;

 private:
  void SetRecursionLabel(const std::string& value);
  int recursionCount_ = 0;
  bool registered_ = false;
};

}  // namespace vb
