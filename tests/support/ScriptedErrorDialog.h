#pragma once
// An error dialog for tests: records each report and answers from a script.
#include <string>
#include <vector>

#include "core/errors/ErrorDialogSeam.h"

namespace vb::test {

struct ShownReport {
  std::string Caption;
  std::string FailureText;
  std::string Report;
};

class ScriptedErrorDialog : public ErrorDialogSeam {
 public:
  ScriptedErrorDialog() { SetErrorDialog(this); }
  ~ScriptedErrorDialog() override { SetErrorDialog(nullptr); }

  int Recursion = 0;
  bool Answer = true;
  std::vector<ShownReport> Shown;

  int RecursionCount() const override { return Recursion; }
  bool Dialog(const std::string& caption, const std::string& failureText, bool* noErrors,
              const std::string& report) override {
    Shown.push_back({caption, failureText, report});
    if (noErrors) *noErrors = false;
    return Answer;
  }
};

}  // namespace vb::test
