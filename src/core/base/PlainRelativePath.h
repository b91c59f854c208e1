#pragma once
// Paths read from files that a user can edit (the distribution's file list, the
// install record) are followed only when they stay inside the folder they are
// relative to: no drive, no root, no UNC, no "." or "..", no alternate spelling.
#include <cstddef>
#include <string>

namespace vb {

// The longest relative path accepted; the full path must still fit MAX_PATH.
inline constexpr std::size_t kMaxRelativePathLength = 259;

// One or more names joined by single backslashes, each a plain file name
// (IsPlainFileName: not "." or "..", no trailing dot or blank, no device name,
// no control character and none of < > : " / | ? *).
bool IsPlainRelativePath(const std::string& path);
// A plain relative path of a single name.
bool IsPlainName(const std::string& name);

}  // namespace vb
