#include "core/ErrorLog.h"

#include "core/Paths.h"
#include "core/Platform.h"
#include "core/ProgramPaths.h"

namespace vb {

namespace {
const char* const kStars = "**********";
}

std::string ErrorLogPath() { return AddPathDelimiter(GetProgramFolder()) + "Errors.log"; }

std::string ErrorLogRecord(const std::string& text) {
  return std::string(kStars) + text + "\r\n" + kStars + "\r\n";
}

bool AppendToLogFile(const std::string& path, const std::string& text) {
  try {
    Platform& platform = GetPlatform();
    platform.SetLastError(0);
    std::string content;
    // A missing log is created; one that exists but cannot be read is left alone,
    // so a locked or damaged log is never replaced by a single record.
    if (platform.PathExists(path) && !platform.ReadFileBytes(path, content)) return false;
    if (content.size() > kErrorLogLimit) content.clear();
    content += ErrorLogRecord(text);
    platform.SetLastError(0);
    return platform.WriteFileBytes(path, content);
  } catch (...) {
    return false;
  }
}

bool AppendToLog(const std::string& text) { return AppendToLogFile(ErrorLogPath(), text); }

}  // namespace vb
