#include "app/InstallPaths.h"

#include "core/base/Paths.h"
#include "core/base/Platform.h"

namespace vb {

std::string LastFolderName(const std::string& folder) {
  std::string path = folder;
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return GetNamePart(path);
}

std::string UninstallCommandFor(const std::string& programFile) {
  const std::string file = programFile.find(' ') == std::string::npos ? programFile : "\"" + programFile + "\"";
  return file + " /Uninstall";
}

std::string ProgramOfUninstallCommand(const std::string& command) {
  if (!command.empty() && command[0] == '"') {
    const std::size_t end = command.find('"', 1);
    return end == std::string::npos ? std::string() : command.substr(1, end - 1);
  }
  const std::string argument = " /Uninstall";
  if (command.size() > argument.size() &&
      SameTextAscii(command.substr(command.size() - argument.size()), argument))
    return command.substr(0, command.size() - argument.size());
  return command;
}

std::string NearestExistingFolder(const std::string& path) {
  std::string folder = path;
  // Each step drops the last name; a drive or a relative name ends the walk.
  for (int steps = 0; steps < 64 && !folder.empty(); ++steps) {
    if (!folder.empty() && folder.back() == '\\' && folder.size() > 3) folder.pop_back();
    const std::uint32_t attributes = GetPlatform().FileAttributes(folder);
    if (attributes != 0xFFFFFFFFu && (attributes & 0x10u)) return folder;
    const std::string parent = GetPathPart(folder);
    if (parent.empty() || parent == folder) return {};
    folder = parent;
  }
  return {};
}

InstallPaths ComputeInstallPaths(const std::string& sourceFolder, const std::string& installTo,
                                 const std::string& programName) {
  InstallPaths paths;
  paths.Source = sourceFolder;
  paths.FolderName = LastFolderName(sourceFolder);
  paths.Target = AddPathDelimiter(installTo) + paths.FolderName;
  paths.ProgramFile = AddPathDelimiter(paths.Target) + programName + ".exe";
  paths.UninstallCommand = UninstallCommandFor(paths.ProgramFile);
  paths.ReadmeFile = AddPathDelimiter(paths.Target) + "Readme.txt";
  return paths;
}

}  // namespace vb
