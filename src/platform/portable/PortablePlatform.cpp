#include "platform/portable/PortablePlatform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/DefaultPlatform.h"
#include "core/text/Cp1252.h"

namespace vb {

namespace {
// Windows error codes for the errno values the core can meet.
std::uint32_t ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT: return 2;
    case EACCES: case EPERM: case EROFS: return 5;
    case EEXIST: return 183;
    case ENOSPC: return 112;
    case ENOMEM: return 14;
    default: return 31;
  }
}
const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
}  // namespace

std::string PortablePlatform::NativePath(const std::string& path) {
  std::string result = path;
  for (char& c : result)
    if (c == '\\') c = '/';
  return result;
}

int PortablePlatform::CompareTextIgnoreCase(const std::string& a, const std::string& b) {
  return UpperCp1252(a).compare(UpperCp1252(b));
}

std::string PortablePlatform::SortKeyIgnoreCase(const std::string& text) { return UpperCp1252(text); }

std::string PortablePlatform::UpperCase(const std::string& text) { return UpperCp1252(text); }

std::string PortablePlatform::LongDateText(const LocalDateTime& t) {
  std::tm tm{};
  tm.tm_year = t.Year - 1900;
  tm.tm_mon = t.Month - 1;
  tm.tm_mday = t.Day;
  tm.tm_hour = 12;
  std::mktime(&tm);  // fills in the weekday
  return std::string(kDays[tm.tm_wday % 7]) + ", " + kMonths[(t.Month + 11) % 12] + " " + std::to_string(t.Day) +
         ", " + std::to_string(t.Year);
}

std::string PortablePlatform::LongTimeText(const LocalDateTime& t) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second);
  return buffer;
}

LocalDateTime PortablePlatform::Now() {
  auto now = std::chrono::system_clock::now();
  std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&seconds, &tm);
  LocalDateTime t;
  t.Year = tm.tm_year + 1900;
  t.Month = tm.tm_mon + 1;
  t.Day = tm.tm_mday;
  t.Hour = tm.tm_hour;
  t.Minute = tm.tm_min;
  t.Second = tm.tm_sec;
  t.Millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  return t;
}

std::string PortablePlatform::SystemErrorText(std::uint32_t code) {
  switch (code) {
    case 2: return "The system cannot find the file specified.";
    case 3: return "The system cannot find the path specified.";
    case 5: return "Access is denied.";
    case 112: return "There is not enough space on the disk.";
    case 183: return "Cannot create a file when that file already exists.";
    default: return "System error " + std::to_string(code) + ".";
  }
}

int PortablePlatform::ShowBox(const std::string& caption, const std::string& text, unsigned) {
  // No window system here: the box is reported as not shown.
  std::cerr << "[" << caption << "] " << text << "\n";
  return 0;
}

void PortablePlatform::Beep(unsigned) {}

bool PortablePlatform::PathExists(const std::string& path) {
  struct stat st;
  return !path.empty() && ::stat(NativePath(path).c_str(), &st) == 0;
}

std::uint32_t PortablePlatform::FileAttributes(const std::string& path) {
  struct stat st;
  if (::stat(NativePath(path).c_str(), &st) != 0) {
    lastError_ = ErrorFromErrno(errno);
    return 0xFFFFFFFFu;
  }
  std::uint32_t attributes = S_ISDIR(st.st_mode) ? 0x10u : 0x80u;
  if (!(st.st_mode & S_IWUSR)) attributes |= 1u;
  return attributes;
}

bool PortablePlatform::ChangeFileAttributes(const std::string& path, std::uint32_t attributes) {
  struct stat st;
  std::string native = NativePath(path);
  if (::stat(native.c_str(), &st) != 0) {
    lastError_ = ErrorFromErrno(errno);
    return false;
  }
  mode_t mode = st.st_mode & 07777;
  mode = (attributes & 1u) ? (mode & ~static_cast<mode_t>(0222)) : (mode | S_IWUSR);
  if (::chmod(native.c_str(), mode) != 0) {
    lastError_ = ErrorFromErrno(errno);
    return false;
  }
  return true;
}

bool PortablePlatform::CreateFolder(const std::string& path) {
  if (::mkdir(NativePath(path).c_str(), 0777) != 0) {
    lastError_ = ErrorFromErrno(errno);
    return false;
  }
  return true;
}

bool PortablePlatform::MoveFileOver(const std::string& from, const std::string& to) {
  if (std::rename(NativePath(from).c_str(), NativePath(to).c_str()) != 0) {
    lastError_ = ErrorFromErrno(errno);
    return false;
  }
  return true;
}

bool PortablePlatform::RemoveFile(const std::string& path) {
  if (::unlink(NativePath(path).c_str()) != 0) {
    lastError_ = ErrorFromErrno(errno);
    return false;
  }
  return true;
}

bool PortablePlatform::ReadFileBytes(const std::string& path, std::string& content) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) {
    lastError_ = ErrorFromErrno(errno ? errno : ENOENT);
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  content = buffer.str();
  return true;
}

bool PortablePlatform::WriteWithMode(const std::string& path, const std::string& content, std::ios::openmode mode) {
  errno = 0;
  std::ofstream out(NativePath(path), std::ios::binary | mode);
  if (out) out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (out) out.close();
  if (!out) {
    lastError_ = ErrorFromErrno(errno ? errno : EACCES);
    return false;
  }
  return true;
}

bool PortablePlatform::WriteFileBytes(const std::string& path, const std::string& content) {
  return WriteWithMode(path, content, std::ios::trunc);
}

bool PortablePlatform::AppendFileBytes(const std::string& path, const std::string& content) {
  return WriteWithMode(path, content, std::ios::app);
}

bool PortablePlatform::FileByteSize(const std::string& path, std::uint64_t& size) {
  struct stat info {};
  if (::stat(NativePath(path).c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
    lastError_ = ErrorFromErrno(errno ? errno : ENOENT);
    return false;
  }
  size = static_cast<std::uint64_t>(info.st_size);
  return true;
}

std::uint32_t PortablePlatform::GetLastError() { return lastError_; }
void PortablePlatform::SetLastError(std::uint32_t code) { lastError_ = code; }

std::string PortablePlatform::ProgramPath() {
  char buffer[4096];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::string path = n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string("/vorbelle");
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::vector<std::string> PortablePlatform::CommandLineParameters() { return {}; }

std::uint32_t PortablePlatform::TickCount() {
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
}

void PortablePlatform::CursorPosition(int& x, int& y) { x = y = 0; }

void PortablePlatform::TerminateImmediately(int exitCode) { std::_Exit(exitCode); }

bool PortablePlatform::GetClipboardText(std::string& text) {
  text = clipboard_;
  return true;
}

bool PortablePlatform::SetClipboardText(const std::string& text) {
  clipboard_ = text;
  return true;
}

Platform& DefaultPlatform() {
  static PortablePlatform platform;
  return platform;
}

}  // namespace vb
