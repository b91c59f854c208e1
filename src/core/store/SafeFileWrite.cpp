#include "core/store/SafeFileWrite.h"

#include "core/base/Platform.h"
#include "core/errors/StatusFrame.h"

namespace vb {

bool ReplaceFileContent(const std::string& path, const std::string& content) {
  bool written = false;
  StatusFrame frame(VB_HERE, "ReplaceFileContent");
  frame.Run([&] {
    Platform& platform = GetPlatform();
    // Beside the target, so the final move stays on one volume and is atomic.
    const std::string temporary = path + kTemporaryFileSuffix;
    platform.SetLastError(0);
    if (!platform.WriteFileBytes(temporary, content)) {
      std::uint32_t code = platform.GetLastError();
      platform.RemoveFile(temporary);
      return frame.Raise(__LINE__, "Failed to write file.", path, temporary, code);
    }
    platform.SetLastError(0);
    if (!platform.MoveFileOver(temporary, path)) {
      std::uint32_t code = platform.GetLastError();
      platform.RemoveFile(temporary);
      return frame.Raise(__LINE__, "Failed to write file.", path, temporary, code);
    }
    written = true;
  }, __LINE__);
  return written;
}

}  // namespace vb
