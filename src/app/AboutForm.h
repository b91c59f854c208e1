#pragma once
// The modal "About" window: the program's name and version, who made it, and
// buttons that open the read-me, the licence and how to report a problem, all
// of which ship in the program's folder.
#include <functional>
#include <string>

#include "ui/Button.h"
#include "ui/Fonts.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"

namespace vb {

// The documents the three page buttons open, in the program's folder.
inline constexpr const char* kReadmeDocument = "Readme.txt";
inline constexpr const char* kLicenseDocument = "License.txt";
inline constexpr const char* kSupportDocument = "Support.txt";

class TAboutForm : public ui::Form {
 public:
  ui::Panel AboutPanel;
  ui::Label ProgramNameLabel;
  ui::Label ProgramVersionLabel;
  ui::Label AuthorLabel;
  ui::Label ProgramsLabel;
  ui::Button VisitMySiteButton;
  ui::Button LicenseTermsButton;
  ui::Button ContactMeButton;
  ui::Button OkayButton;

  // Opens a page; shows its own failure. Tests replace it.
  std::function<void(const std::string& address)> OpenPage;

  // Creates the hidden window; its labels read "Name" and "ProgramVersionLabel"
  // until SetProgramInfo.
  bool Create();
  void SetProgramInfo(const std::string& name, const std::string& version);
  // Shows the window modally over the main window until it is closed.
  void Dialog();

  void VisitMySiteButtonClick();
  void LicenseTermsButtonClick();
  void ContactMeButtonClick();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnRescaled() override;

 private:
  static ui::FontHandle CreateNameFont();
  ui::FontHandle nameFont_;
};

}  // namespace vb
