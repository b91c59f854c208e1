#include "core/errors/MessageBoxes.h"

#include "core/base/Platform.h"

namespace vb {

int ShowMessageBox(const std::string& caption, const std::string& text, unsigned style) {
  int answer = GetPlatform().ShowBox(caption, text, style | StyleTaskModal);
  if (answer == 0) BeepWarning();
  if (answer == 1 || answer == 6) return AnswerYes;
  if (answer == 7) return AnswerNo;
  return AnswerCancel;
}

void ShowMessageText(const std::string& text) { ShowMessageBox("Message", text, StyleMessage); }
void ShowWarningText(const std::string& text) { ShowMessageBox("Warning", text, StyleWarning); }
void ShowErrorText(const std::string& text) { ShowMessageBox("Error", text, StyleError); }
bool AskYesNo(const std::string& text) { return ShowMessageBox("Query", text, StyleYesNo) == AnswerYes; }
int AskYesNoCancel(const std::string& text) { return ShowMessageBox("Query", text, StyleYesNoCancel); }
void BeepDone() { GetPlatform().Beep(0); }
void BeepWarning() { GetPlatform().Beep(0x30); }

}  // namespace vb
