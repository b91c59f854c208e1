#pragma once
// Path forms that need the file system, file sizes and file times.
#include <windows.h>

#include <cstdint>
#include <string>

namespace vb {

// The long form of a path holding "~" (a short 8.3 component); unchanged otherwise.
std::string GetLongPath(const std::string& path);
// The absolute form (relative to the current folder), in its long form.
std::string GetFullPath(const std::string& path);
// Like GetFullPath, with a mapped network drive replaced by its network name.
std::string GetCanonicalPath(const std::string& path);
bool IsSameFile(const std::string& a, const std::string& b);

// Size of an open file; 0 with a warning recorded when it cannot be read.
std::uint64_t GetFileSize(HANDLE file);
// A file time as a date-time (days since 30 December 1899); 0 on failure.
double ConvertFileTime(const FILETIME& time);
// Days since 30 December 1899 for a calendar time.
double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond);

}  // namespace vb
