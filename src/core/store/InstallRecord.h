#pragma once
// The install record: the plain-text file in the installation folder that says
// what the installer made there and elsewhere, so that uninstalling removes
// exactly that. It is read back strictly: an entry that could lead outside its
// folder is never followed.
#include <cstddef>
#include <string>
#include <vector>

namespace vb {

// The record's name in the installation folder.
inline constexpr const char* kInstallRecordName = "Uninstall.lst";
inline constexpr const char* kInstallRecordHeader = "Vorbelle install record, version 1";
inline constexpr std::size_t kMaxInstallRecordSize = 1 << 20;
inline constexpr std::size_t kMaxInstallRecordLine = 300;
inline constexpr std::size_t kMaxInstallRecordEntries = 10000;
inline constexpr std::size_t kMaxMenuLinks = 3;

struct InstallRecord {
  bool MadeInstallationFolder = false;
  // Relative to the installation folder.
  std::vector<std::string> MadeFolders;
  std::vector<std::string> Files;
  // A folder name in the programs menu, and the link names in it.
  std::string MenuFolder;
  bool MadeMenuFolder = false;
  std::vector<std::string> MenuLinks;
  // A link name on the desktop; the key name of the uninstall entry.
  std::string DesktopLink;
  std::string UninstallEntry;

  // Add an entry once (names compare without regard to ASCII case).
  void AddFile(const std::string& path);
  void AddMadeFolder(const std::string& path);
  void AddMenuLink(const std::string& name);
  // Takes over what an earlier installation into the same folder recorded, so
  // a reinstallation still removes what the first one made.
  void MergeEarlier(const InstallRecord& earlier);
};

struct ParsedInstallRecord {
  bool Valid = false;  // false: not a record at all
  InstallRecord Record;
  std::vector<std::string> Problems;  // one text per ignored line
};

std::string FormatInstallRecord(const InstallRecord& record);
ParsedInstallRecord ParseInstallRecord(const std::string& text);

}  // namespace vb
