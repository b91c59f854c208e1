#pragma once
// File dialogs for tests: records each dialog as shown and answers from a script.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/files/FileDialogSeam.h"

namespace vb::test {

class ScriptedFileDialogs : public TFileDialogs {
 public:
  // The chosen path, or nullopt for Cancel. With no answer left: Cancel.
  std::deque<std::optional<std::string>> Answers;
  std::vector<TFileDialog> Shown;
  std::vector<bool> WasSave;

  bool ExecuteOpen(TFileDialog& dialog) override { return Answer(dialog, false); }
  bool ExecuteSave(TFileDialog& dialog) override { return Answer(dialog, true); }

 private:
  bool Answer(TFileDialog& dialog, bool save) {
    Shown.push_back(dialog);
    WasSave.push_back(save);
    if (Answers.empty()) return false;
    std::optional<std::string> answer = Answers.front();
    Answers.pop_front();
    if (!answer) return false;
    dialog.FileName = *answer;
    return true;
  }
};

}  // namespace vb::test
