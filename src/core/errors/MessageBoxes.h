#pragma once
// Every plain message and question to the player: fixed caption, icon and buttons,
// task-modal, with the answer normalised to 1 (OK/Yes), 7 (No) or 2 (anything else).
#include <string>

namespace vb {

enum BoxAnswer { AnswerYes = 1, AnswerCancel = 2, AnswerNo = 7 };

// Message-box style flags used by the program.
enum BoxStyle : unsigned {
  StyleMessage = 64,         // information icon, OK
  StyleWarning = 48,         // exclamation, OK
  StyleError = 16,           // stop sign, OK
  StyleYesNo = 36,           // question mark, Yes/No
  StyleYesNoCancel = 35,     // question mark, Yes/No/Cancel
  StyleTaskModal = 8192,
};

int ShowMessageBox(const std::string& caption, const std::string& text, unsigned style);
void ShowMessageText(const std::string& text);
void ShowWarningText(const std::string& text);
void ShowErrorText(const std::string& text);
bool AskYesNo(const std::string& text);
int AskYesNoCancel(const std::string& text);
void BeepDone();
void BeepWarning();

}  // namespace vb
