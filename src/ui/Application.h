#pragma once
// The application object: its title, the main form, the message loop and the
// handling every message of every loop (the modal ones too) gets: key preview,
// Escape for a running drag, dialog keyboard navigation.
#include <windows.h>

#include <string>

namespace vb::ui {

class Form;

class Application {
 public:
  // Common controls (tooltips) for the process; call once before creating windows.
  static void Initialize();
  static void SetTitle(const std::string& title);
  static const std::string& Title();
  static void SetMainForm(Form* form);
  static Form* MainForm();
  // Minimises the program (its main form).
  static void Minimize();

  // Runs the message loop until WM_QUIT.
  static int Run();
  // Ends the loop once the current message is handled.
  static void Quit(int code = 0);
  // Handles one message as the loops do.
  static void ProcessMessage(MSG& message);
  // Handles every message waiting now, without blocking (tests).
  static void ProcessPendingMessages();
};

}  // namespace vb::ui
