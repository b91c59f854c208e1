#include "app/InstallerFixture.h"

#include "core/store/DistributionList.h"
#include "core/base/Paths.h"
#include "platform/win32/Handles.h"
#include "platform/win32/UninstallRegistry.h"

namespace vb::test {

TestInstallerSystem::TestInstallerSystem(const std::string& root) : root_(root) {
  for (const char* name : {"Desktop", "Programs", "Program Files"}) ::CreateDirectoryA((root + name).c_str(), nullptr);
}

std::vector<std::string> TestInstallerSystem::ProtectedFolders() {
  std::vector<std::string> folders{DesktopPath(), ProgramsMenuPath(), ProgramFilesPath()};
  folders.insert(folders.end(), MoreProtected.begin(), MoreProtected.end());
  return folders;
}

bool TestInstallerSystem::CanWriteFolder(const std::string& folder) {
  FoldersAsked.push_back(folder);
  return FolderWritable;
}

ElevatedStart TestInstallerSystem::RestartElevated(std::uint32_t& error) {
  ++Restarts;
  error = RestartAnswer == ElevatedStart::Failed ? ERROR_FILE_NOT_FOUND : 0;
  return RestartAnswer;
}

void WriteDistributionList(const std::string& dist, const std::vector<std::string>& files) {
  WriteTextFile(dist + kDistributionListName, FormatDistributionList(files));
}

std::string UninstallEntryValue(const std::string& entry, const char* name) {
  RegistryKey key;
  const std::string path = std::string(kUninstallKeyPath) + entry;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
    return "<no entry>";
  char value[1024] = "";
  DWORD size = sizeof value;
  if (::RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
    return "<no value>";
  return value;
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  FindHandle search(::FindFirstFileA((AddPathDelimiter(folder) + "*").c_str(), &entry));
  if (!search) return names;
  do {
    const std::string name = entry.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (::FindNextFileA(search.get(), &entry));
  return names;
}

Installer::Installer() : system(folder.Path()) {
  SetInstallerSystem(&system);
  dist = folder / "dist\\Vorbelle\\";
  ::CreateDirectoryA((folder / "dist").c_str(), nullptr);
  ::CreateDirectoryA(dist.c_str(), nullptr);
  ::CreateDirectoryA((dist + "VorbelleDictionaries").c_str(), nullptr);
  WriteTextFile(dist + "Install.exe", "program");
  WriteTextFile(dist + "Readme.txt", "Read me.");
  WriteTextFile(dist + "VorbelleDictionaries\\English.vbd", "dictionary");
  WriteDistributionList(dist, {"Install.exe", "Readme.txt", "VorbelleDictionaries\\English.vbd"});
  platform->FixedProgramPath = dist + "Install.exe";
  target = system.ProgramFilesPath() + "Vorbelle\\";
  programFile = target + kName + ".exe";
}

Installer::~Installer() {
  SetInstallerSystem(nullptr);
  DeleteUninstallerRegistry(kName);
}

void Installer::InstallAndRunInstalled() {
  platform->Answers = {kYes};
  InstallProgram(kName, system.ProgramFilesPath());
  platform->FixedProgramPath = programFile;
  platform->Parameters = {"/Uninstall"};
  platform->Boxes.clear();
}

std::string Installer::UninstallAnsweringYes() {
  platform->Boxes.clear();
  platform->Answers = {kYes, 1};
  ExecuteInstaller(kName, target);
  return platform->Boxes.empty() ? "<no box>" : platform->Boxes.back().Text;
}

}  // namespace vb::test
