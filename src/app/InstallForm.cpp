#include "app/InstallForm.h"

#include "app/InstallMode.h"
#include "app/InstallSteps.h"
#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/base/ProgramPaths.h"
#include "core/text/TextReflow.h"
#include "platform/win32/KnownFolders.h"
#include "ui/Application.h"
#include "ui/CentredLabel.h"

namespace vb {

namespace {

// Bounds in pixels at 96 DPI.
constexpr int kClientWidth = 400;
constexpr int kClientHeight = 450;
constexpr ui::Bounds kMainPanel{5, 5, 390, 60};
constexpr ui::Bounds kDescriptionLabel{5, 75, 390, 15};
constexpr ui::Bounds kVersionLabel{5, 100, 390, 15};
constexpr ui::Bounds kInstructionsLabel{10, 125, 380, 65};
constexpr ui::Bounds kReadmeMemo{5, 200, 390, 145};
constexpr int kInstallToLabelLeft = 5, kInstallToLabelTop = 360;
constexpr ui::Bounds kInstallToEdit{20, 380, 290, 23};
constexpr ui::Bounds kBrowseButton{320, 380, 75, 23};
constexpr ui::Bounds kInstallButton{120, 415, 75, 25};
constexpr ui::Bounds kCancelButton{205, 415, 75, 25};

constexpr const char* kInstructions =
    "The program can be reinstalled without the need to uninstall its previous version. The existing options file "
    "will be preserved. If you want to repair the installed package, simply reinstall the program. Before "
    "continuing, close any running instances of the program.";

}  // namespace

ui::FontHandle TInstallForm::CreateMainPanelFont() {
  return ui::CreateFontByHeight("Comic Sans MS", 30, ui::FontBold | ui::FontItalic);
}

void TInstallForm::OnRescaled() {
  ui::FontHandle font = CreateMainPanelFont();
  MainPanel.SetFont(font.get());
  mainPanelFont_ = std::move(font);
}

bool TInstallForm::Create() {
  if (!CreateForm("Install", kClientWidth, kClientHeight, ui::FormBorder::Single)) return false;
  SetFormFont("Arial", 12);
  ui::PanelStyle panelStyle;
  panelStyle.Outer = ui::Bevel::None;
  panelStyle.Inner = ui::Bevel::Lowered;
  mainPanelFont_ = CreateMainPanelFont();
  const bool created = MainPanel.Create(*this, kMainPanel, "", panelStyle) &&
                       ui::CreateCentredLabel(DescriptionLabel, *this, kDescriptionLabel) &&
                       ui::CreateCentredLabel(VersionLabel, *this, kVersionLabel) &&
                       InstructionsLabel.CreateWrapped(*this, kInstructionsLabel, kInstructions) &&
                       ReadmeMemo.Create(*this, kReadmeMemo, true, true) &&
                       InstallToLabel.Create(*this, kInstallToLabelLeft, kInstallToLabelTop, "") &&
                       InstallToEdit.Create(*this, kInstallToEdit, GetInstallerSystem().ProgramFilesPath(), true) &&
                       BrowseButton.Create(*this, kBrowseButton, "&Browse") &&
                       InstallButton.Create(*this, kInstallButton, "&Install") &&
                       CancelButton.Create(*this, kCancelButton, "&Cancel");
  if (!created) return false;
  MainPanel.SetFont(mainPanelFont_.get());

  // A missing read-me leaves the memo empty.
  std::string readme;
  // The read-me is written for an editor; the memo wraps paragraphs at its own width.
  if (GetPlatform().ReadFileBytes(GetProgramFolder() + "Readme.txt", readme))
    ReadmeMemo.SetMemoText(ReflowText(readme));

  BrowseButton.OnClick = [this] { BrowseButtonClick(); };
  InstallButton.OnClick = [this] { InstallButtonClick(); };
  CancelButton.OnClick = [this] { CancelButtonClick(); };
  return true;
}

void TInstallForm::SetProgramInfo(const std::string& name, const std::string& title, const std::string& version) {
  programName_ = name;
  DescriptionLabel.SetCaption(title);
  VersionLabel.SetCaption(version);
  if (IsStartedAsInstaller()) {
    SetText("Install " + name);
    MainPanel.SetText("Welcome to " + name);
    InstallToLabel.SetCaption("The program's installation directory will be put in directory:");
    InstallButton.SetText("&Install");
  }
  if (IsUninstallRequest()) {
    SetText("Uninstall " + name);
    MainPanel.SetText("Bye from " + name);
    InstallToLabel.SetCaption("The following directory will be deleted:");
    InstallButton.SetText("Un&install");
    InstallToEdit.SetText(GetProgramFolder());
    BrowseButton.SetEnabled(false);
  }
  MainPanel.Invalidate();
}

void TInstallForm::BrowseButtonClick() {
  std::string folder;
  if (BrowseForDirectory(folder, "", "")) InstallToEdit.SetText(AddPathDelimiter(folder));
}

void TInstallForm::InstallButtonClick() {
  InstallButton.SetEnabled(false);
  Execute();
  Close();
}

void TInstallForm::CancelButtonClick() { Close(); }

void TInstallForm::Execute() { ExecuteInstaller(programName_, InstallToEdit.Text()); }

void TInstallForm::OnDialogKey(int id) {
  if (id == IDCANCEL) CancelButtonClick();
}

bool ShowInstallerWindow(TInstallForm& form, const std::string& name, const std::string& title,
                         const std::string& version, int showCommand) {
  if (!form.Create()) return false;
  ui::Application::SetMainForm(&form);
  form.SetProgramInfo(name, title, version);
  form.CentreOn(nullptr);
  form.Show(showCommand);
  form.ReadmeMemo.Focus();
  return true;
}

}  // namespace vb
