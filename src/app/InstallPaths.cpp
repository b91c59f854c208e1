#include "app/InstallPaths.h"

#include "core/base/Paths.h"

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
