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
// EnsureRightsFor, then true when the work must not go on in this run: an
// elevated copy carries on, or the user refused (then `refusalText` is shown),
// or the copy could not be started (the failure is left in GlobalFunStat).
bool MustStopForRights(const std::string& folder, const std::string& refusalText);

}  // namespace vb
