#include "ui/Application.h"

namespace vb::ui {

namespace {
std::string applicationTitle;
}

void Application::SetTitle(const std::string& title) { applicationTitle = title; }

const std::string& Application::Title() { return applicationTitle; }

int Application::Run() {
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void Application::Quit(int code) { ::PostQuitMessage(code); }

}  // namespace vb::ui
