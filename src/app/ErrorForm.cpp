#include "app/ErrorForm.h"

#include "app/HelpViewer.h"
#include "core/store/ErrorLog.h"
#include "core/help/HelpFile.h"
#include "core/errors/MessageBoxes.h"
#include "core/errors/Terminate.h"
#include "platform/win32/ModalOwner.h"
#include "ui/Application.h"

namespace vb {

TErrorForm::~TErrorForm() {
  if (registered_ && GetErrorDialog() == this) SetErrorDialog(nullptr);
}

bool TErrorForm::Create() {
  if (!CreateForm("Error", kClientWidth, kClientHeight, ui::FormBorder::Dialog)) return false;
  SetFormFont("Arial", 12);
  // Tab order is creation order.
  if (!MainMemo.Create(*this, {5, 5, 330, 120}, true, true) ||
      !OkayButton.Create(*this, {25, 135, 75, 25}, "&Okay") ||
      !CancelButton.Create(*this, {240, 135, 75, 25}, "&Cancel") ||
      !OkayNoErrorsButton.Create(*this, {110, 135, 120, 25}, "O&kay (no errors)") ||
      !TerminateButton.Create(*this, {65, 170, 210, 25}, "&Terminate application immediately") ||
      !LogButton.Create(*this, {90, 205, 75, 25}, "&Log") ||
      !HelpButton.Create(*this, {175, 205, 75, 25}, "&Help") ||
      !RecursionLabel.Create(*this, 5, 240, "Recursion"))
    return false;
  OkayButton.OnClick = [this] { EndModal(ui::ModalOk); };
  CancelButton.OnClick = [this] { EndModal(ui::ModalCancel); };
  OkayNoErrorsButton.OnClick = [this] { EndModal(kModalYes); };
  TerminateButton.OnClick = [this] { TerminateButtonClick(); };
  LogButton.OnClick = [this] { LogButtonClick(); };
  HelpButton.OnClick = [this] { HelpButtonClick(); };
  ShowHelp = [this](int context) { ShowHelpTopic(context, Handle()); };
  SetErrorDialog(this);
  registered_ = true;
  return true;
}

void TErrorForm::SetRecursionLabel(const std::string& value) {
  RecursionLabel.SetCaption("Recursive attempts = " + value);
}

bool TErrorForm::Dialog(const std::string& caption, const std::string& failureText, bool* noErrors,
                        const std::string& report) {
  if (!Handle()) {
    // The window is gone (the program is ending): a plain box still tells the player.
    if (noErrors) *noErrors = false;
    ShowErrorText(failureText.empty() ? "Failed to perform." : failureText);
    return false;
  }
  SetText(caption);
  if (recursionCount_ > 0) {
    // Reported from inside the dialog's own loop: only counted.
    ++recursionCount_;
    SetRecursionLabel(std::to_string(recursionCount_ - 1));
    return true;
  }
  recursionCount_ = 1;
  SetRecursionLabel("None");
  const std::string text = failureText.empty() ? "Failed to perform." : failureText;
  MainMemo.SetText("DESCRIPTION\r\n" + text + "\r\n" + report);

  int result = ui::ModalCancel;
  try {
    // The window the failure happened in (the About box, say), not always the main window.
    result = ShowModal(FindModalOwner());
  } catch (...) {
    // Nothing may escape the error dialog.
  }
  recursionCount_ = 0;

  const bool accepted = result == ui::ModalOk || result == kModalYes;
  if (noErrors) *noErrors = result == kModalYes;
  return accepted;
}

void TErrorForm::TerminateButtonClick() { TerminateProgramImmediately(); }

void TErrorForm::LogButtonClick() {
  if (AppendToLog(MainMemo.Text())) BeepDone();
}

void TErrorForm::HelpButtonClick() {
  if (ShowHelp) ShowHelp(kErrorDialogHelpContext);
}

void TErrorForm::OnDialogKey(int id) {
  if (id != IDOK) return Form::OnDialogKey(id);
  const HWND focus = ::GetFocus();
  for (ui::Button* button : {&OkayButton, &CancelButton, &OkayNoErrorsButton, &TerminateButton, &LogButton,
                             &HelpButton}) {
    if (button->Handle() == focus) return button->Click();
  }
  OkayButton.Click();
}

void TErrorForm::OnActivated() {
  if (OkayButton.Handle()) OkayButton.Focus();
}

}  // namespace vb
