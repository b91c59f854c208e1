#include "app/VorbelleForm.h"

#include "app/ProgramIdentity.h"
#include "ui/Application.h"

namespace vb {

bool TVorbelleForm::Create() {
  // Single fixed border with the system menu and the minimise button only.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT bounds{0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&bounds, style, FALSE, 0);
  return CreateWindowObject("TVorbelleForm", style, 0, kProgramName, CW_USEDEFAULT, CW_USEDEFAULT,
                            bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr);
}

void TVorbelleForm::Show(int showCommand) {
  ::ShowWindow(Handle(), showCommand);
  ::UpdateWindow(Handle());
}

LRESULT TVorbelleForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      ui::Application::Quit();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace vb
