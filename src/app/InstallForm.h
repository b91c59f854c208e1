#pragma once
// The installer window: the main window when the program runs as "Install.exe"
// or with "/Uninstall". Shows the read-me, lets the user choose the parent
// folder, and installs or uninstalls; closing it ends the program.
#include <string>

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Fonts.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"

namespace vb {

class TInstallForm : public ui::Form {
 public:
  ui::Panel MainPanel;
  ui::Label DescriptionLabel;
  ui::Label VersionLabel;
  ui::Label InstructionsLabel;
  ui::Memo ReadmeMemo;
  ui::Label InstallToLabel;
  ui::Edit InstallToEdit;
  ui::Button BrowseButton;
  ui::Button InstallButton;
  ui::Button CancelButton;

  // Creates the hidden window with the program-files folder and the read-me of
  // the program's folder.
  bool Create();
  // Names the program and chooses the install or uninstall texts.
  void SetProgramInfo(const std::string& name, const std::string& title, const std::string& version);
  const std::string& ProgramName() const { return programName_; }

  void BrowseButtonClick();
  void InstallButtonClick();
  void CancelButtonClick();
  void Execute();

 protected:
  void OnDialogKey(int id) override;
  void OnRescaled() override;

 private:
  static ui::FontHandle CreateMainPanelFont();
  ui::FontHandle mainPanelFont_;
  std::string programName_;
};

// Start-up in installer mode: creates the installer window as the main window,
// gives it the program's name, title and version, and shows it. False when the
// window cannot be created. The caller then runs the message loop.
bool ShowInstallerWindow(TInstallForm& form, const std::string& name, const std::string& title,
                         const std::string& version, int showCommand);

}  // namespace vb
