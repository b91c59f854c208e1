#include "ui/Application.h"

#include <commctrl.h>

#include "ui/DragManager.h"
#include "ui/Form.h"
#include "ui/KeyboardAccess.h"
#include "ui/Window.h"

namespace vb::ui {

namespace {
std::string applicationTitle;
Form* mainForm = nullptr;

bool IsKeyMessage(UINT message) { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }

// Key preview, drag cancelling and dialog navigation; true when the message is used up.
bool PreTranslate(MSG& message) {
  // Alt+Backspace is a shortcut the key preview answers; its character would
  // only make the system beep for a mnemonic that is not there.
  if (message.message == WM_SYSCHAR && message.wParam == VK_BACK) return true;
  if (IsKeyMessage(message.message) && message.wParam == VK_ESCAPE && DragManager::CancelActiveDrag()) return true;
  HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  Form* form = dynamic_cast<Form*>(Window::FromHandle(root));
  if (!form) return false;
  if (IsKeyMessage(message.message)) {
    ShowKeyboardCues(root, message.message);
    form->PreviewKey(static_cast<WORD>(message.wParam), CurrentKeyShiftState());
    // The preview may have closed or destroyed the form.
    if (!::IsWindow(root)) return true;
  }
  return ::IsDialogMessageA(root, &message) != FALSE;
}
}  // namespace

void Application::Initialize() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
  ::InitCommonControlsEx(&controls);
}

void Application::SetTitle(const std::string& title) { applicationTitle = title; }

const std::string& Application::Title() { return applicationTitle; }

void Application::SetMainForm(Form* form) {
  mainForm = form;
  if (form) form->SetQuitOnDestroy(true);
}

Form* Application::MainForm() { return mainForm; }

void Application::Minimize() {
  if (mainForm && mainForm->Handle()) ::ShowWindow(mainForm->Handle(), SW_MINIMIZE);
}

void Application::ProcessMessage(MSG& message) {
  if (PreTranslate(message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
}

int Application::Run() {
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ProcessMessage(message);
  return static_cast<int>(message.wParam);
}

void Application::ProcessPendingMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ProcessMessage(message);
  }
}

void Application::Quit(int code) { ::PostQuitMessage(code); }

}  // namespace vb::ui
