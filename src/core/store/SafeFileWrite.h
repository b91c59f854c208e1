#pragma once
// Writing a whole file so that a failed or interrupted write never loses the old
// one: the content goes to a temporary file in the same folder, which is then
// moved over the old file.
#include <string>

namespace vb {

// The name of the temporary file beside the target: the target's name and this.
inline constexpr const char* kTemporaryFileSuffix = ".vbtmp";

// Forwarding status frame "ReplaceFileContent": on failure raises "Failed to write
// file." with the path and the system error code, and leaves the old file whole.
// Returns true when the file holds the new content.
bool ReplaceFileContent(const std::string& path, const std::string& content);

}  // namespace vb
