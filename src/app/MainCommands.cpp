#include "app/MainCommands.h"

#include "app/HelpViewer.h"
#include "core/GameCommands.h"
#include "core/HelpFile.h"
#include "core/StatusFrame.h"

namespace vb {

void BeforeRun(TGameCommands& commands, const TBeforeRunSteps& steps) {
  StatusFrame frame(VB_HERE, "TVorbelleForm::BeforeRun", "Failed to prepare the main window.");
  frame.Run([&] {
    if (steps.SetAboutLabels) steps.SetAboutLabels();
    commands.PrepareFilesAndOptions();
    if (frame.Adopt()) return;
    if (steps.ApplyWindowLayout) steps.ApplyWindowLayout();
    if (steps.BuildLetterPanels) steps.BuildLetterPanels();
  }, __LINE__);
}

void ShowMainWindowHelp(HWND owner) { ShowHelpTopic(kMainWindowHelpContext, owner); }

}  // namespace vb
