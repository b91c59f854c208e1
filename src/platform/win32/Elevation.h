#pragma once
// Administrator rights for the installer: whether it has them, whether it needs
// them to write a folder, and starting itself again with them.
#include <cstdint>
#include <string>

namespace vb {

// True when the process runs with a full administrator token, or on a system
// without user account control (there is nothing more to ask for).
bool IsProcessElevated();
// Whether this process may add files and folders to `folder`, asked of the
// folder's security without writing anything. True when it cannot be told.
bool CanAddToFolder(const std::string& folder);
// Writes of an old program into the system's folders are normally redirected to
// a private copy ("virtualization"); the installer must see where it really
// writes, so it turns that off for itself.
void TurnOffFileVirtualization();

enum class ElevatedStart { Started, Declined, Failed };
// Starts this program again with administrator rights and `arguments`; the
// system asks the user first. `error` gets the system's code on failure.
ElevatedStart StartElevated(const std::string& arguments, std::uint32_t& error);
// The arguments of a command line: what follows the program's own name.
std::string ArgumentsOfCommandLine(const std::string& commandLine);
// The arguments this process was started with.
std::string OwnArguments();

}  // namespace vb
