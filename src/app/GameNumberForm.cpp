#include "app/GameNumberForm.h"

#include <string>

#include "core/errors/MessageBoxes.h"
#include "core/game/SeededDeal.h"
#include "platform/win32/ModalOwner.h"

namespace vb {

namespace {

// Bounds in pixels at 96 DPI.
constexpr ui::Bounds kExplanationLabel{10, 10, 300, 45};
constexpr int kNumberLabelLeft = 10, kNumberLabelTop = 69;
constexpr ui::Bounds kNumberEdit{100, 65, 100, 22};
constexpr ui::Bounds kOkButton{80, 100, 75, 25};
constexpr ui::Bounds kCancelButton{165, 100, 75, 25};

constexpr const char* kExplanationText =
    "The same number, dictionary and board size deal every player the same letters in the same order. "
    "Today's number is suggested.";

}  // namespace

bool TGameNumberForm::Create() {
  if (!CreateForm("New numbered game", kClientWidth, kClientHeight, ui::FormBorder::Dialog)) return false;
  SetFormFont("Arial", 12);
  // Tab order is creation order: the number first.
  const bool created = ExplanationLabel.CreateWrapped(*this, kExplanationLabel, kExplanationText) &&
                       NumberLabel.Create(*this, kNumberLabelLeft, kNumberLabelTop, "Game number:") &&
                       NumberEdit.CreateDigits(*this, kNumberEdit, kMaxDigits) &&
                       OkButton.Create(*this, kOkButton, "OK") &&
                       CancelButton.Create(*this, kCancelButton, "Cancel");
  if (!created) return false;
  // Drawn as the default button: Enter presses it.
  ::SendMessageA(OkButton.Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  OkButton.OnClick = [this] { OkButtonClick(); };
  CancelButton.OnClick = [this] { EndModal(ui::ModalCancel); };
  return true;
}

std::optional<std::uint32_t> TGameNumberForm::AskGameNumber(std::uint32_t suggested) {
  if (!Handle()) return std::nullopt;
  const bool valid = suggested >= kMinGameNumber && suggested <= kMaxGameNumber;
  NumberEdit.SetText(valid ? std::to_string(suggested) : std::string());
  accepted_.reset();
  if (ShowModal(FindModalOwner()) != ui::ModalOk) return std::nullopt;
  return accepted_;
}

void TGameNumberForm::OkButtonClick() {
  const std::optional<std::uint32_t> number = ParseGameNumber(NumberEdit.Text());
  if (!number) {
    ShowWarningText(kBadGameNumberText);
    FocusNumber();
    return;
  }
  accepted_ = number;
  EndModal(ui::ModalOk);
}

void TGameNumberForm::FocusNumber() {
  NumberEdit.Focus();
  NumberEdit.SelectAll();
}

void TGameNumberForm::OnDialogKey(int id) {
  if (id != IDOK) return Form::OnDialogKey(id);
  if (::GetFocus() == CancelButton.Handle()) return CancelButton.Click();
  OkButtonClick();
}

void TGameNumberForm::OnActivated() {
  if (NumberEdit.Handle()) FocusNumber();
}

}  // namespace vb
