// Process entry: the instance guard, the windows, start-up and the message loop.
#include <windows.h>

#include "app/ChooseLetterForm.h"
#include "app/ProgramIdentity.h"
#include "app/VorbelleForm.h"
#include "core/StatusFrame.h"
#include "platform/win32/Instance.h"
#include "ui/Application.h"

namespace {
// Runs before WinMain and after it returns.
vb::ProcessInitialisation processInitialisation;
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  using namespace vb;
  StatusFrame frame(VB_HERE, "WinMain", "");
  frame.Run([&] {
    if (IsAnotherInstanceRunning(kProgramName)) return;
    ui::Application::Initialize();
    ui::Application::SetTitle(kProgramName);
    TVorbelleForm mainForm;
    if (!mainForm.Create()) VB_THROW("Cannot create the main window.");
    ui::Application::SetMainForm(&mainForm);
    TChooseLetterForm chooseLetterForm;
    if (!chooseLetterForm.Create()) VB_THROW("Cannot create the choose-letter dialog.");
    mainForm.SetChooseLetterForm(&chooseLetterForm);
    mainForm.BeforeRun();
    mainForm.Show(mainForm.FullScreenCheckBox.Checked() ? SW_SHOWMAXIMIZED : showCommand);
    ui::Application::Run();
    ui::Application::SetMainForm(nullptr);
  }, __LINE__);
  CloseInstanceMutex();
  return 0;
}
