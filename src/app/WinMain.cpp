// Process entry: the instance guard, the windows of the mode (game or
// installer), start-up and the message loop.
#include <windows.h>

#include "app/AboutForm.h"
#include "app/ChooseLetterForm.h"
#include "platform/DefaultPlatform.h"
#include "app/ErrorForm.h"
#include "app/InstallForm.h"
#include "app/InstallMode.h"
#include "core/base/ProgramIdentity.h"
#include "app/VorbelleForm.h"
#include "core/errors/StatusFrame.h"
#include "platform/win32/Elevation.h"
#include "platform/win32/Instance.h"
#include "ui/Application.h"
#include "ui/Window.h"

namespace {
// Runs before WinMain and after it returns; hands the core the system's platform.
vb::ProcessInitialisation processInitialisation(vb::DefaultPlatform());

// The game's windows live for the whole run; the main window is created first.
void RunGame(vb::TErrorForm& errorForm, int showCommand) {
  using namespace vb;
  TVorbelleForm mainForm;
  if (!mainForm.Create()) VB_THROW("Cannot create the main window.");
  ui::Application::SetMainForm(&mainForm);
  errorForm.Create();
  TAboutForm aboutForm;
  aboutForm.Create();
  TChooseLetterForm chooseLetterForm;
  if (!chooseLetterForm.Create()) VB_THROW("Cannot create the choose-letter dialog.");

  aboutForm.SetProgramInfo(kProgramName, kVersionText);
  mainForm.OnShowAbout = [&aboutForm] { aboutForm.Dialog(); };
  mainForm.SetChooseLetterForm(&chooseLetterForm);
  mainForm.BeforeRun();
  mainForm.Show(mainForm.Controls().FullScreenCheckBox.Checked() ? SW_SHOWMAXIMIZED : showCommand);
  ui::Application::Run();
  ui::Application::SetMainForm(nullptr);
}

void RunInstaller(vb::TErrorForm& errorForm, int showCommand) {
  using namespace vb;
  // The installer must write where it says it does, not into a private copy.
  TurnOffFileVirtualization();
  TInstallForm installForm;
  errorForm.Create();
  if (!ShowInstallerWindow(installForm, kProgramName, kProgramName, kVersionText, showCommand))
    VB_THROW("Cannot create the installer window.");
  ui::Application::Run();
  ui::Application::SetMainForm(nullptr);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  using namespace vb;
  // Created by the mode's start-up after its main window, but kept until the
  // frame below has closed, so a failure that ends the run is still reported in it.
  TErrorForm errorForm;
  StatusFrame frame(VB_HERE, "WinMain", "");
  frame.Run([&] {
    if (IsAnotherInstanceRunning(kProgramName)) return;
    ui::Application::Initialize();
    ui::Application::SetTitle(kProgramName);
    // An exception that escapes a window's handling is reported like any failure.
    ui::Window::SetExceptionHandler(&TFunStatContext::OnApplicationException);
    if (IsInstallerMode()) {
      RunInstaller(errorForm, showCommand);
    } else {
      RunGame(errorForm, showCommand);
    }
  }, __LINE__);
  CloseInstanceMutex();
  return 0;
}
