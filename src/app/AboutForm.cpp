#include "app/AboutForm.h"

#include "core/base/ProgramPaths.h"
#include "core/errors/StatusFrame.h"
#include "platform/win32/ModalOwner.h"
#include "platform/win32/RunFile.h"
#include "ui/Application.h"
#include "ui/CentredLabel.h"

namespace vb {

namespace {

// Bounds in pixels at 96 DPI.
constexpr int kClientWidth = 425;
constexpr int kClientHeight = 270;
constexpr ui::Bounds kAboutPanel{5, 5, 415, 220};
constexpr ui::Bounds kProgramNameLabel{10, 5, 360, 65};
constexpr ui::Bounds kProgramVersionLabel{10, 75, 395, 15};
constexpr ui::Bounds kAuthorLabel{10, 95, 395, 15};
constexpr ui::Bounds kProgramsLabel{10, 120, 395, 50};
constexpr ui::Bounds kVisitMySiteButton{55, 180, 100, 25};
constexpr ui::Bounds kLicenseTermsButton{160, 180, 100, 25};
constexpr ui::Bounds kContactMeButton{265, 180, 100, 25};
constexpr ui::Bounds kOkayButton{175, 235, 75, 25};

constexpr const char* kAuthorText = "Made by the Vorbelle developers. Free software under the MIT licence.";
constexpr const char* kProgramsText =
    "Thank you for playing! \"Visit my site\" opens the read-me with the rules and how to add dictionaries, "
    "\"License terms\" the licence, and \"Contact me\" tells you how to report a problem with the Errors.log file.";

void OpenDocument(const std::string& address) { OpenSite(address, "Failed to open site."); }

}  // namespace

ui::FontHandle TAboutForm::CreateNameFont() {
  return ui::CreateFontByHeight("Comic Sans MS", 48, ui::FontBold | ui::FontItalic);
}

void TAboutForm::OnRescaled() {
  ui::FontHandle font = CreateNameFont();
  ProgramNameLabel.SetFont(font.get());
  nameFont_ = std::move(font);
}

bool TAboutForm::Create() {
  if (!CreateForm("About", kClientWidth, kClientHeight, ui::FormBorder::Dialog)) return false;
  SetFormFont("Arial", 12);
  ui::PanelStyle panelStyle;
  panelStyle.Outer = ui::Bevel::None;
  panelStyle.Inner = ui::Bevel::Lowered;
  nameFont_ = CreateNameFont();
  const bool created =
      AboutPanel.Create(*this, kAboutPanel, "", panelStyle) &&
      ui::CreateCentredLabel(ProgramNameLabel, AboutPanel, kProgramNameLabel, "Name") &&
      ui::CreateCentredLabel(ProgramVersionLabel, AboutPanel, kProgramVersionLabel, "ProgramVersionLabel") &&
      ui::CreateCentredLabel(AuthorLabel, AboutPanel, kAuthorLabel, kAuthorText) &&
      ProgramsLabel.CreateWrapped(AboutPanel, kProgramsLabel, kProgramsText) &&
      VisitMySiteButton.Create(AboutPanel, kVisitMySiteButton, "Visit my site") &&
      LicenseTermsButton.Create(AboutPanel, kLicenseTermsButton, "License terms") &&
      ContactMeButton.Create(AboutPanel, kContactMeButton, "Contact me") &&
      OkayButton.Create(*this, kOkayButton, "&Okay");
  if (!created) return false;
  ProgramNameLabel.SetFont(nameFont_.get());

  OpenPage = &OpenDocument;
  VisitMySiteButton.OnClick = [this] { VisitMySiteButtonClick(); };
  LicenseTermsButton.OnClick = [this] { LicenseTermsButtonClick(); };
  ContactMeButton.OnClick = [this] { ContactMeButtonClick(); };
  OkayButton.OnClick = [this] { EndModal(ui::ModalOk); };
  return true;
}

void TAboutForm::SetProgramInfo(const std::string& name, const std::string& version) {
  ProgramNameLabel.SetCaption(name);
  ProgramVersionLabel.SetCaption(version);
}

void TAboutForm::Dialog() {
  StatusFrame frame(VB_HERE, "TAboutForm::Dialog", "Failed to show the \"About\" dialog.");
  frame.Run([&] {
    ShowModal(FindModalOwner());
  }, __LINE__);
}

void TAboutForm::VisitMySiteButtonClick() { OpenPage(GetProgramFolder() + kReadmeDocument); }
void TAboutForm::LicenseTermsButtonClick() { OpenPage(GetProgramFolder() + kLicenseDocument); }
void TAboutForm::ContactMeButtonClick() { OpenPage(GetProgramFolder() + kSupportDocument); }

LRESULT TAboutForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Each time the window comes up the focus is on the Okay button.
  if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
    LRESULT result = Form::HandleMessage(message, wParam, lParam);
    OkayButton.Focus();
    return result;
  }
  return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace vb
