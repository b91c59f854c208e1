#include "app/InstallRights.h"

#include "app/InstallSteps.h"
#include "core/errors/MessageBoxes.h"
#include "core/errors/StatusFrame.h"
#include "platform/win32/Instance.h"

namespace vb {

bool NeedsElevatedRestart(bool elevated, bool folderWritable, bool uninstallEntriesWritable) {
  return !elevated && (!folderWritable || !uninstallEntriesWritable);
}

RightsOutcome EnsureRightsFor(const std::string& folder) {
  RightsOutcome outcome = RightsOutcome::Enough;
  StatusFrame frame(VB_HERE, "EnsureRightsFor");
  frame.Run([&] {
    InstallerSystem& system = GetInstallerSystem();
    if (!NeedsElevatedRestart(system.IsElevated(), folder.empty() || system.CanWriteFolder(folder),
                              system.CanWriteUninstallEntries()))
      return;
    // The elevated copy checks the instance guard when it starts.
    CloseInstanceMutex();
    std::uint32_t error = 0;
    switch (system.RestartElevated(error)) {
      case ElevatedStart::Started:
        outcome = RightsOutcome::Restarted;
        break;
      case ElevatedStart::Declined:
        outcome = RightsOutcome::Declined;
        break;
      case ElevatedStart::Failed:
        outcome = RightsOutcome::Failed;
        frame.Raise(__LINE__, "Failed to start the program with administrator rights.", folder, "", error);
        break;
    }
  }, __LINE__);
  return outcome;
}

bool MustStopForRights(const std::string& folder, const std::string& refusalText) {
  const RightsOutcome outcome = EnsureRightsFor(folder);
  if (outcome == RightsOutcome::Declined) ShowWarningText(refusalText);
  return outcome != RightsOutcome::Enough;
}

}  // namespace vb
