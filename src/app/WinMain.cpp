// Process entry: the instance guard, the main window and the message loop.
#include <windows.h>

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
    ui::Application::SetTitle(kProgramName);
    TVorbelleForm mainForm;
    if (!mainForm.Create()) VB_THROW("Cannot create the main window.");
    mainForm.Show(showCommand);
    ui::Application::Run();
  }, __LINE__);
  CloseInstanceMutex();
  return 0;
}
