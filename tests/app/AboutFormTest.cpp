// The About window: layout, texts, the ways to close it, and the three page
// buttons that leave it open.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AboutForm.h"
#include "core/errors/FunStat.h"
#include "support/FakePlatform.h"
#include "ui/Dpi.h"

namespace vb {
namespace {

class AboutWindow : public ::testing::Test {
 protected:
  AboutWindow() {
    ui::SetLayoutDpi(96);
    platform->FixedProgramPath = "C:\\Games\\Vorbelle\\Vorbelle.exe";
  }
  ~AboutWindow() override { ui::SetLayoutDpi(0); }

  // Clicks a button once the modal loop runs.
  void PostClick(ui::Button& button) {
    ::PostMessageA(::GetParent(button.Handle()), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button.Handle()));
  }

  test::FakePlatformScope platform;
};

TEST_F(AboutWindow, LayoutAndTexts) {
  TAboutForm form;
  ASSERT_TRUE(form.Create());
  EXPECT_EQ(form.Text(), "About");
  EXPECT_EQ(form.ClientWidth(), 425);
  EXPECT_EQ(form.ClientHeight(), 270);
  EXPECT_EQ(form.ProgramNameLabel.Text(), "Name");
  form.SetProgramInfo("Vorbelle", "Version 2.5.1, released on 24.10.2004");
  EXPECT_EQ(form.ProgramNameLabel.Text(), "Vorbelle");
  EXPECT_EQ(form.ProgramVersionLabel.Text(), "Version 2.5.1, released on 24.10.2004");
  EXPECT_FALSE(form.AuthorLabel.Text().empty());

  EXPECT_EQ(::GetParent(form.ContactMeButton.Handle()), form.AboutPanel.Handle());

  LOGFONTA nameFont{};
  ::GetObjectA(form.ProgramNameLabel.Font(), sizeof nameFont, &nameFont);
  EXPECT_STREQ(nameFont.lfFaceName, "Comic Sans MS");
  EXPECT_EQ(nameFont.lfHeight, -48);
  EXPECT_TRUE(nameFont.lfItalic);
  EXPECT_EQ(nameFont.lfWeight, FW_BOLD);
}

TEST_F(AboutWindow, OkayEscapeAndTheCloseBoxAllCloseIt) {
  TAboutForm form;
  ASSERT_TRUE(form.Create());
  PostClick(form.OkayButton);
  form.Dialog();
  EXPECT_FALSE(::IsWindowVisible(form.Handle()));

  ::PostMessageA(form.Handle(), WM_COMMAND, IDCANCEL, 0);
  form.Dialog();
  EXPECT_FALSE(::IsWindowVisible(form.Handle()));

  ::PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
  form.Dialog();
  EXPECT_FALSE(::IsWindowVisible(form.Handle()));
  EXPECT_TRUE(::IsWindow(form.Handle())) << "the window is kept for the next time";
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
}

TEST_F(AboutWindow, PageButtonsOpenTheShippedDocumentsAndLeaveTheWindowOpen) {
  TAboutForm form;
  ASSERT_TRUE(form.Create());
  std::vector<std::string> opened;
  std::vector<bool> openWhileShown;
  form.OpenPage = [&](const std::string& address) {
    opened.push_back(address);
    openWhileShown.push_back(form.InModalLoop() && ::IsWindowVisible(form.Handle()));
  };
  PostClick(form.VisitMySiteButton);
  PostClick(form.LicenseTermsButton);
  PostClick(form.ContactMeButton);
  ::PostMessageA(form.Handle(), WM_COMMAND, IDCANCEL, 0);
  form.Dialog();

  const std::vector<std::string> expected{"C:\\Games\\Vorbelle\\Readme.txt", "C:\\Games\\Vorbelle\\License.txt",
                                          "C:\\Games\\Vorbelle\\Support.txt"};
  EXPECT_EQ(opened, expected);
  EXPECT_EQ(openWhileShown, std::vector<bool>(3, true));
}

}  // namespace
}  // namespace vb
