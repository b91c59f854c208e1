#pragma once
// Starting the installer again with administrator rights when the folder or the
// machine's uninstall entries cannot be written without them.
#include <string>

namespace vb {

// Restart only when something cannot be written and the rights are not there
// already: an elevated copy that still cannot write must fail, not loop.
bool NeedsElevatedRestart(bool elevated, bool folderWritable, bool uninstallEntriesWritable);

enum class RightsOutcome {
  Enough,     // go on here
  Restarted,  // an elevated copy carries on; this one ends
  Declined,   // the user refused; this one ends
  Failed,     // the elevated copy could not be started (left in GlobalFunStat)
};

// Decides for `folder` (the nearest existing folder the work writes to) and
// starts the elevated copy with this run's arguments when needed.
RightsOutcome EnsureRightsFor(const std::string& folder);

}  // namespace vb
