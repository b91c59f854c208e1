#include "platform/win32/FileTests.h"

#include <winnetwk.h>

#include <cmath>
#include <vector>

#include "core/base/Paths.h"
#include "core/errors/StatusFrame.h"

namespace vb {

std::string GetLongPath(const std::string& path) {
  if (path.find('~') == std::string::npos) return path;
  char buffer[MAX_PATH];
  DWORD n = ::GetLongPathNameA(path.c_str(), buffer, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return path;
  return std::string(buffer, n);
}

static std::string AbsolutePath(const std::string& path) {
  char buffer[MAX_PATH * 4];
  DWORD n = ::GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  if (n == 0 || n >= sizeof buffer) return path;
  return std::string(buffer, n);
}

static std::string WithoutTrailingDelimiter(const std::string& path) {
  return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
}

std::string GetFullPath(const std::string& path) {
  if (path.empty()) return path;
  if (IsDriveName(path)) return WithoutTrailingDelimiter(AbsolutePath(AddPathDelimiter(path)));
  return GetLongPath(AbsolutePath(path));
}

// Replaces a mapped drive letter by the network name it stands for.
static std::string ExpandNetworkDrive(const std::string& path) {
  if (path.size() < 2 || path[1] != ':') return path;
  std::string drive = path.substr(0, 2);
  char remote[MAX_PATH * 2];
  DWORD size = sizeof remote;
  if (::WNetGetConnectionA(drive.c_str(), remote, &size) != NO_ERROR) return path;
  return std::string(remote) + path.substr(2);
}

std::string GetCanonicalPath(const std::string& path) {
  if (path.empty()) return path;
  if (IsDriveName(path)) return WithoutTrailingDelimiter(ExpandNetworkDrive(AbsolutePath(AddPathDelimiter(path))));
  return GetLongPath(ExpandNetworkDrive(AbsolutePath(path)));
}

bool IsSameFile(const std::string& a, const std::string& b) {
  if (HasInvalidNameCharacter(a) || HasInvalidNameCharacter(b)) return false;
  std::string x = GetCanonicalPath(a), y = GetCanonicalPath(b);
  return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x.data(), static_cast<int>(x.size()), y.data(),
                          static_cast<int>(y.size())) == CSTR_EQUAL;
}

std::uint64_t GetFileSize(HANDLE file) {
  std::uint64_t size = 0;
  StatusFrame frame(VB_HERE, "GetFileSize");
  frame.Run([&] {
    ::SetLastError(0);
    DWORD high = 0;
    DWORD low = ::GetFileSize(file, &high);
    if (low == INVALID_FILE_SIZE && IsSystemFailure(::GetLastError())) {
      frame.RaiseWarning(__LINE__, "Failed to get file size.");
      return;
    }
    size = (static_cast<std::uint64_t>(high) << 32) + low;
  }, __LINE__);
  return size;
}

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  // Days from 30 December 1899 by the proleptic Gregorian calendar.
  auto daysFromCivil = [](int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;  // days since 1970-01-01
  };
  const double days = daysFromCivil(year, month, day) - daysFromCivil(1899, 12, 30);
  const double time = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / 86400000.0;
  return days >= 0 ? days + time : days - time;
}

double ConvertFileTime(const FILETIME& time) {
  double result = 0;
  StatusFrame frame(VB_HERE, "ConvertFileTime");
  frame.Run([&] {
    FILETIME local;
    SYSTEMTIME st;
    ::SetLastError(0);
    if (!::FileTimeToLocalFileTime(&time, &local))
      return frame.Raise(__LINE__, "Failed to convert time.", "", "", ::GetLastError());
    ::SetLastError(0);
    if (!::FileTimeToSystemTime(&local, &st))
      return frame.Raise(__LINE__, "Failed to convert time.", "", "", ::GetLastError());
    result = EncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
  }, __LINE__);
  return result;
}

}  // namespace vb
