#include "core/store/ErrorLog.h"

#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/base/ProgramPaths.h"
#include "core/store/SafeFileWrite.h"
#include "core/errors/StatusFrame.h"

namespace vb {

namespace {
const char* const kStars = "**********";
}

std::string ErrorLogPath() { return AddPathDelimiter(GetProgramFolder()) + kErrorLogName; }

std::string ErrorLogRecord(const std::string& text) {
  return std::string(kStars) + text + "\r\n" + kStars + "\r\n";
}

bool AppendToLogFile(const std::string& path, const std::string& text) {
  try {
    Platform& platform = GetPlatform();
    const std::string record = ErrorLogRecord(text);
    platform.SetLastError(0);
    std::uint64_t size = 0;
    const bool exists = platform.PathExists(path);
    // A log that exists but whose size cannot be read (a folder, no rights) is
    // left alone rather than replaced.
    if (exists && !platform.FileByteSize(path, size)) return false;
    if (size > kErrorLogLimit) {
      // The old records go only once the new one is safely in their place; the
      // write's own failure stays out of the global record, since the log is
      // written while an error is being shown.
      const TFunStatContext shown = GlobalFunStat;
      const bool replaced = ReplaceFileContent(path, record);
      GlobalFunStat = shown;
      return replaced;
    }
    // Appending never rewrites what is there: a failed write loses only this record.
    platform.SetLastError(0);
    return platform.AppendFileBytes(path, record);
  } catch (...) {
    return false;
  }
}

bool AppendToLog(const std::string& text) { return AppendToLogFile(ErrorLogPath(), text); }

}  // namespace vb
