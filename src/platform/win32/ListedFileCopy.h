#pragma once
// Copying a distribution's listed files into the installation folder: only
// those files, never through a link, and the copies writable whatever the
// source (a CD, a read-only share) says.
#include <string>
#include <vector>

namespace vb {

struct ListedCopyOutcome {
  bool MadeDestination = false;           // the destination folder did not exist before
  std::vector<std::string> MadeFolders;   // relative to the destination, parents first
  std::vector<std::string> CopiedFiles;   // relative to the destination
  std::vector<std::string> Problems;      // files left out, for the error log
};

// Creates `destination` and copies each of `files` (plain relative paths) from
// `source` into it, making the folders on the way; an existing copy is
// replaced. A file that cannot be copied is left out and noted. When the
// destination itself cannot be made, "Failed to create directory." is left in
// GlobalFunStat and the box "Failed to process directory." is shown.
ListedCopyOutcome CopyListedFiles(const std::string& source, const std::string& destination,
                                  const std::vector<std::string>& files);

}  // namespace vb
