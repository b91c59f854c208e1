#include "platform/win32/Elevation.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "core/base/ProgramPaths.h"
#include "platform/win32/Handles.h"

namespace vb {

bool IsProcessElevated() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return true;
  KernelHandle owner(token);
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!::GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size)) return true;
  return elevation.TokenIsElevated != 0;
}

bool CanAddToFolder(const std::string& folder) {
  const SECURITY_INFORMATION parts = OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
  DWORD needed = 0;
  ::GetFileSecurityA(folder.c_str(), parts, nullptr, 0, &needed);
  if (needed == 0) return true;
  std::vector<BYTE> descriptor(needed);
  if (!::GetFileSecurityA(folder.c_str(), parts, descriptor.data(), needed, &needed)) return true;

  HANDLE processToken = nullptr, checkToken = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY, &processToken)) return true;
  KernelHandle processOwner(processToken);
  if (!::DuplicateToken(processToken, SecurityImpersonation, &checkToken)) return true;
  KernelHandle checkOwner(checkToken);

  GENERIC_MAPPING mapping{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE, FILE_ALL_ACCESS};
  DWORD wanted = FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY;
  ::MapGenericMask(&wanted, &mapping);
  PRIVILEGE_SET privileges{};
  DWORD privilegesSize = sizeof privileges, granted = 0;
  BOOL allowed = FALSE;
  if (!::AccessCheck(descriptor.data(), checkToken, wanted, &mapping, &privileges, &privilegesSize, &granted,
                     &allowed))
    return true;
  return allowed != FALSE;
}

void TurnOffFileVirtualization() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_DEFAULT | TOKEN_QUERY, &token)) return;
  KernelHandle owner(token);
  DWORD off = 0;
  // Fails harmlessly where there is no virtualization.
  ::SetTokenInformation(token, TokenVirtualizationEnabled, &off, sizeof off);
}

ElevatedStart StartElevated(const std::string& arguments, std::uint32_t& error) {
  const std::string program = GetProgramPath();
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOASYNC;
  info.hwnd = ::GetActiveWindow();
  info.lpVerb = "runas";
  info.lpFile = program.c_str();
  info.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
  info.nShow = SW_SHOWNORMAL;
  ::SetLastError(0);
  if (::ShellExecuteExA(&info)) return ElevatedStart::Started;
  error = ::GetLastError();
  return error == ERROR_CANCELLED ? ElevatedStart::Declined : ElevatedStart::Failed;
}

std::string ArgumentsOfCommandLine(const std::string& commandLine) {
  std::size_t at = 0;
  const std::size_t size = commandLine.size();
  while (at < size && (commandLine[at] == ' ' || commandLine[at] == '\t')) ++at;
  // The program's name: up to a blank, with quoted parts kept together.
  bool quoted = false;
  for (; at < size; ++at) {
    if (commandLine[at] == '"') quoted = !quoted;
    else if (!quoted && (commandLine[at] == ' ' || commandLine[at] == '\t')) break;
  }
  while (at < size && (commandLine[at] == ' ' || commandLine[at] == '\t')) ++at;
  return commandLine.substr(at);
}

std::string OwnArguments() { return ArgumentsOfCommandLine(::GetCommandLineA()); }

}  // namespace vb
