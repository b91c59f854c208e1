#pragma once
// The error dialog as the failure record sees it. The application registers its
// dialog here once it exists; tests register a scripted one.
#include <string>

namespace vb {

class ErrorDialogSeam {
 public:
  virtual ~ErrorDialogSeam() = default;
  // How many times the dialog was asked to show while already showing.
  virtual int RecursionCount() const = 0;
  // Shows the report; true for the two Okay buttons; `noErrors` as described there.
  virtual bool Dialog(const std::string& caption, const std::string& failureText, bool* noErrors,
                      const std::string& report) = 0;
};

// The registered dialog, or nullptr while none exists.
ErrorDialogSeam* GetErrorDialog();
void SetErrorDialog(ErrorDialogSeam* dialog);

}  // namespace vb
