#pragma once
// Which file or folder a path names, as the file system knows it: the volume's
// serial number and the file's index on it. Two spellings of one folder (a short
// name, a trailing dot, "..", a drive alias) have the same identity.
#include <cstdint>
#include <optional>
#include <string>

namespace vb {

struct FileIdentity {
  std::uint32_t Volume = 0;
  std::uint64_t Index = 0;
  bool operator==(const FileIdentity& other) const { return Volume == other.Volume && Index == other.Index; }
  bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

// The identity of what the path names (links followed); none when it cannot be opened.
std::optional<FileIdentity> IdentityOf(const std::string& path);
// Both paths name the same existing file or folder.
bool IsSameByIdentity(const std::string& a, const std::string& b);
// The folder is the root of a volume (a drive, a mounted volume, a network share).
bool IsVolumeRoot(const std::string& folder);

}  // namespace vb
