#pragma once
// The error log "Errors.log" in the program folder: the error dialog appends the
// report it shows, one record per press of its Log button.
#include <cstddef>
#include <string>

namespace vb {

// A log larger than this is emptied before the next record is appended, so it
// never holds more than this plus one record.
inline constexpr std::size_t kErrorLogLimit = 10000;

// Program folder + "Errors.log".
std::string ErrorLogPath();

// One record: ten asterisks, the text, CR LF, ten asterisks, CR LF.
std::string ErrorLogRecord(const std::string& text);

// Appends the record of `text` to the log at `path`; false when the log could
// not be read or written. Shows nothing and never throws.
bool AppendToLogFile(const std::string& path, const std::string& text);
bool AppendToLog(const std::string& text);

}  // namespace vb
