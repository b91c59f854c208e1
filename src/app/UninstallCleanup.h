#pragma once
// Removing an installation: what its record names, the files the game itself
// writes in its own folders, and then each folder once it is empty. Anything
// else, and everything behind a link, stays.
#include <string>
#include <vector>

#include "core/store/InstallRecord.h"

namespace vb {

struct InstallationToRemove {
  std::string Folder;       // the installation folder
  std::string ProgramFile;  // the installed program that runs the uninstallation
  InstallRecord Record;
  bool KeepErrorLog = false;  // it holds reports of this uninstallation
};

// A file the game writes into its own folders (relative to the installation
// folder): the options, the error log, saved games, dictionaries and words
// lists, and what is left of an interrupted save of one of them.
bool IsGameOwnFile(const std::string& relative);

// Removes the installation; returns one line for each folder that stayed
// although it was to go, saying why (files in use are not named).
std::vector<std::string> RemoveInstallation(const InstallationToRemove& installation);

}  // namespace vb
