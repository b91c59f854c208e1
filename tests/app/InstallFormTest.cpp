// The installer window: its layout, the install and uninstall texts, the
// read-me, and what the buttons and Escape do.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/InstallForm.h"
#include "app/InstallPaths.h"
#include "app/InstallSteps.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/TempFolder.h"
#include "ui/Dpi.h"

namespace vb {
namespace {

// Handles what is waiting, without letting a closed main window end later tests.
void HandleWaitingMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
}

class FixedFolders : public InstallerSystem {
 public:
  std::string ProgramFilesPath() override { return "C:\\Test Programs\\"; }
  void StartProgram(const std::string&) override { ++Starts; }
  int Starts = 0;
};

class InstallWindow : public ::testing::Test {
 protected:
  InstallWindow() {
    ui::SetLayoutDpi(96);
    SetInstallerSystem(&folders);
    dist = folder.Path();
    platform->FixedProgramPath = dist + "Install.exe";
  }
  ~InstallWindow() override {
    SetInstallerSystem(nullptr);
    ui::SetLayoutDpi(0);
    HandleWaitingMessages();
  }

  test::FakePlatformScope platform;
  test::ScriptedErrorDialog errors;
  test::TempFolder folder;
  FixedFolders folders;
  std::string dist;
};

TEST_F(InstallWindow, InstallerTextsAndTheReadMe) {
  test::WriteTextFile(dist + "Readme.txt", "Vorbelle\n========\n\nA word game\nfor one player.\n");
  TInstallForm form;
  ASSERT_TRUE(form.Create());
  form.SetProgramInfo("Vorbelle", "Vorbelle title", "Version 2.5.1");
  EXPECT_EQ(form.Text(), "Install Vorbelle");
  EXPECT_EQ(form.MainPanel.Text(), "Welcome to Vorbelle");
  EXPECT_EQ(form.DescriptionLabel.Text(), "Vorbelle title");
  EXPECT_EQ(form.VersionLabel.Text(), "Version 2.5.1");
  EXPECT_EQ(form.InstallToLabel.Text(), "The program's installation directory will be put in directory:");
  EXPECT_EQ(form.InstallButton.Text(), "&Install");
  EXPECT_EQ(form.InstallToEdit.Text(), "C:\\Test Programs\\");
  EXPECT_TRUE(form.BrowseButton.Enabled());
  // Paragraphs are joined so the memo wraps them at its own width.
  EXPECT_EQ(form.ReadmeMemo.Text(), "Vorbelle\r\n========\r\n\r\nA word game for one player.");
  EXPECT_EQ(form.ClientWidth(), 400);
  EXPECT_EQ(form.ClientHeight(), 450);
  EXPECT_NE(form.MainPanel.Font(), form.Font()) << "the welcome text has its own large font";
}

TEST_F(InstallWindow, UninstallTextsWinEvenUnderTheInstallerName) {
  platform->Parameters = {"/UnInstall"};
  TInstallForm form;
  ASSERT_TRUE(form.Create());
  form.SetProgramInfo("Vorbelle", "Vorbelle", "Version 2.5.1");
  EXPECT_EQ(form.Text(), "Uninstall Vorbelle");
  EXPECT_EQ(form.MainPanel.Text(), "Bye from Vorbelle");
  EXPECT_EQ(form.InstallToLabel.Text(), "The following directory will be deleted:");
  EXPECT_EQ(form.InstallButton.Text(), "Un&install");
  EXPECT_EQ(form.InstallToEdit.Text(), dist);
  EXPECT_FALSE(form.BrowseButton.Enabled());
  EXPECT_EQ(form.ReadmeMemo.Text(), "") << "no read-me, no text";
}

TEST_F(InstallWindow, InstallAnsweredNoClosesTheWindowWithoutChanges) {
  TInstallForm form;
  ASSERT_TRUE(form.Create());
  form.SetProgramInfo("Vorbelle", "Vorbelle", "Version 2.5.1");
  form.InstallToEdit.SetText(folder / "Programs\\");
  test::WriteTextFile(dist + "Install.lst", "Vorbelle distribution files, version 1\r\nInstall.exe\r\n");
  platform->Answers = {7};
  form.InstallButton.Click();
  HandleWaitingMessages();
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, "Install the program in directory \"" + folder / "Programs\\" +
                                          LastFolderName(dist) + "\"?");
  EXPECT_FALSE(::IsWindow(form.Handle()));
  EXPECT_EQ(folders.Starts, 0);
  EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(InstallWindow, EmptyFolderWarnsAndEscapeCancels) {
  TInstallForm form;
  ASSERT_TRUE(form.Create());
  form.SetProgramInfo("Vorbelle", "Vorbelle", "Version 2.5.1");
  form.InstallToEdit.SetText("");
  form.Execute();
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, "(Un)Installation directory is empty.");
  EXPECT_TRUE(::IsWindow(form.Handle()));

  ::SendMessageA(form.Handle(), WM_COMMAND, IDCANCEL, 0);
  HandleWaitingMessages();
  EXPECT_FALSE(::IsWindow(form.Handle()));
  EXPECT_EQ(platform->Boxes.size(), 1u) << "Escape asks nothing";
}

}  // namespace
}  // namespace vb
