#pragma once
// The application object: its title and the message loop of the main window.
#include <windows.h>

#include <string>

namespace vb::ui {

class Application {
 public:
  static void SetTitle(const std::string& title);
  static const std::string& Title();
  // Runs the message loop until WM_QUIT.
  static int Run();
  // Ends the loop once the current message is handled.
  static void Quit(int code = 0);
};

}  // namespace vb::ui
