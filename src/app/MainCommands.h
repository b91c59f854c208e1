#pragma once
// The game window's start-up step and the help command, in terms of the steps
// the window supplies, so the window only wires them up.
#include <windows.h>

#include <functional>

namespace vb {

class TGameCommands;

// The window's own parts of BeforeRun, each optional.
struct TBeforeRunSteps {
  std::function<void()> SetAboutLabels;     // program name and version in the About dialog
  std::function<void()> ApplyWindowLayout;  // size and position or full screen, board area
  std::function<void()> BuildLetterPanels;  // the 40 tiles of the choose-letter dialog
};

// Reporting frame "TVorbelleForm::BeforeRun", failure text "Failed to prepare the
// main window.": About labels, the dictionaries and games folders, the options
// file, the window layout, the letter tiles. A failure skips the later steps.
void BeforeRun(TGameCommands& commands, const TBeforeRunSteps& steps);

// The main window's Help button: the help file at the main window's context.
void ShowMainWindowHelp(HWND owner);

}  // namespace vb
