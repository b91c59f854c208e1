#include "platform/win32/Win32Platform.h"

#include <windows.h>
#include <shlwapi.h>

#include <memory>

#include "platform/DefaultPlatform.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ModalOwner.h"

namespace vb {

int Win32Platform::CompareTextIgnoreCase(const std::string& a, const std::string& b) {
  int result = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                b.data(), static_cast<int>(b.size()));
  return result == 0 ? a.compare(b) : result - CSTR_EQUAL;
}

std::string Win32Platform::SortKeyIgnoreCase(const std::string& text) {
  const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
  // The empty text is mapped as a terminated one: it must get the key of any
  // text the comparison calls empty (a lone soft hyphen, say), and a length of
  // zero is refused.
  const int length = text.empty() ? -1 : static_cast<int>(text.size());
  int size = ::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.c_str(), length, nullptr, 0);
  if (size <= 0) return text;
  std::string key(static_cast<std::size_t>(size), '\0');
  size = ::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.c_str(), length, &key[0], size);
  key.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
  // The key ends with a terminating zero byte, which compares equal anyway.
  return key;
}

std::string Win32Platform::UpperCase(const std::string& text) {
  std::string result = text;
  if (!result.empty()) ::CharUpperBuffA(&result[0], static_cast<DWORD>(result.size()));
  return result;
}

static SYSTEMTIME ToSystemTime(const LocalDateTime& t) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(t.Year);
  st.wMonth = static_cast<WORD>(t.Month);
  st.wDay = static_cast<WORD>(t.Day);
  st.wHour = static_cast<WORD>(t.Hour);
  st.wMinute = static_cast<WORD>(t.Minute);
  st.wSecond = static_cast<WORD>(t.Second);
  st.wMilliseconds = static_cast<WORD>(t.Millisecond);
  // The weekday is filled in by a round trip through a file time.
  FILETIME ft;
  if (::SystemTimeToFileTime(&st, &ft)) ::FileTimeToSystemTime(&ft, &st);
  return st;
}

std::string Win32Platform::LongDateText(const LocalDateTime& time) {
  SYSTEMTIME st = ToSystemTime(time);
  char buffer[256];
  int n = ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &st, nullptr, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer) : std::string();
}

std::string Win32Platform::LongTimeText(const LocalDateTime& time) {
  SYSTEMTIME st = ToSystemTime(time);
  char format[128] = "HH:mm:ss";
  char separator[16] = ":";
  ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, format, sizeof format);
  ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, sizeof separator);
  // Whatever the locale separates the fields with, the report uses ":".
  std::string picture = format, sep = separator;
  if (!sep.empty() && sep != ":") {
    for (std::size_t at = picture.find(sep); at != std::string::npos; at = picture.find(sep, at + 1))
      picture.replace(at, sep.size(), ":");
  }
  char buffer[128];
  int n = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, picture.c_str(), buffer, sizeof buffer);
  return n > 0 ? std::string(buffer) : std::string();
}

LocalDateTime Win32Platform::Now() {
  SYSTEMTIME st;
  ::GetLocalTime(&st);
  LocalDateTime t;
  t.Year = st.wYear;
  t.Month = st.wMonth;
  t.Day = st.wDay;
  t.Hour = st.wHour;
  t.Minute = st.wMinute;
  t.Second = st.wSecond;
  t.Millisecond = st.wMilliseconds;
  return t;
}

std::string Win32Platform::SystemErrorText(std::uint32_t code) {
  char* buffer = nullptr;
  DWORD n = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::unique_ptr<char, decltype(&::LocalFree)> owner(buffer, &::LocalFree);
  std::string text = n ? std::string(buffer, n) : std::string();
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

int Win32Platform::ShowBox(const std::string& caption, const std::string& text, unsigned style) {
  // Owned by the window the player works in, which it disables while it shows
  // and which is active again afterwards.
  HWND owner = FindModalOwner();
  const int answer = ::MessageBoxA(owner, text.c_str(), caption.c_str(), style);
  if (CanOwnModal(owner) && ::GetActiveWindow() != owner) ::SetActiveWindow(owner);
  return answer;
}

void Win32Platform::Beep(unsigned type) { ::MessageBeep(type); }

bool Win32Platform::PathExists(const std::string& path) { return ::PathFileExistsA(path.c_str()) != FALSE; }

std::uint32_t Win32Platform::FileAttributes(const std::string& path) {
  return ::GetFileAttributesA(path.c_str());
}

bool Win32Platform::ChangeFileAttributes(const std::string& path, std::uint32_t attributes) {
  return ::SetFileAttributesA(path.c_str(), attributes) != FALSE;
}

bool Win32Platform::CreateFolder(const std::string& path) { return ::CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

bool Win32Platform::MoveFileOver(const std::string& from, const std::string& to) {
  return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool Win32Platform::RemoveFile(const std::string& path) { return ::DeleteFileA(path.c_str()) != FALSE; }

bool Win32Platform::ReadFileBytes(const std::string& path, std::string& content) {
  // Other readers may come in, and a program that replaces the file (a sync
  // client, an editor's safe save) is not blocked while this read runs.
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.get(), &size)) return false;
  if (size.QuadPart > 0x7FFFFFFF) {
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return false;
  }
  content.assign(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD done = 0;
  std::size_t at = 0;
  while (at < content.size()) {
    if (!::ReadFile(file.get(), &content[at], static_cast<DWORD>(content.size() - at), &done, nullptr)) return false;
    if (done == 0) break;
    at += done;
  }
  content.resize(at);
  return true;
}

namespace {
// Writes every byte and waits until they are on the disk.
bool WriteAllAndFlush(HANDLE file, const std::string& content) {
  std::size_t at = 0;
  while (at < content.size()) {
    DWORD done = 0;
    if (!::WriteFile(file, content.data() + at, static_cast<DWORD>(content.size() - at), &done, nullptr)) return false;
    at += done;
  }
  return ::FlushFileBuffers(file) != FALSE;
}
}  // namespace

bool Win32Platform::WriteFileBytes(const std::string& path, const std::string& content) {
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
  return file && WriteAllAndFlush(file.get(), content);
}

bool Win32Platform::AppendFileBytes(const std::string& path, const std::string& content) {
  // Append-only access: the bytes already in the file cannot be touched.
  FileHandle file(::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && WriteAllAndFlush(file.get(), content);
}

bool Win32Platform::FileByteSize(const std::string& path, std::uint64_t& size) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

std::uint32_t Win32Platform::GetLastError() { return ::GetLastError(); }
void Win32Platform::SetLastError(std::uint32_t code) { ::SetLastError(code); }

std::string Win32Platform::ProgramPath() {
  char buffer[MAX_PATH * 4];
  DWORD n = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return std::string(buffer, n);
}

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> parts;
  std::size_t i = 0;
  while (true) {
    while (i < commandLine.size() && static_cast<unsigned char>(commandLine[i]) <= ' ') ++i;
    if (i >= commandLine.size()) break;
    std::string part;
    bool quoted = false;
    for (; i < commandLine.size(); ++i) {
      char c = commandLine[i];
      if (c == '"') {
        quoted = !quoted;
        continue;
      }
      if (!quoted && static_cast<unsigned char>(c) <= ' ') break;
      part += c;
    }
    parts.push_back(part);
  }
  return parts;
}

std::vector<std::string> Win32Platform::CommandLineParameters() {
  std::vector<std::string> parts = SplitCommandLine(::GetCommandLineA());
  if (!parts.empty()) parts.erase(parts.begin());
  return parts;
}

std::uint32_t Win32Platform::TickCount() { return ::GetTickCount(); }

void Win32Platform::CursorPosition(int& x, int& y) {
  POINT p{0, 0};
  ::GetCursorPos(&p);
  x = p.x;
  y = p.y;
}

void Win32Platform::TerminateImmediately(int exitCode) {
  ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(exitCode));
}

namespace {
// Holds the clipboard open for one operation.
class ClipboardLock {
 public:
  ClipboardLock() : open_(::OpenClipboard(nullptr) != FALSE) {}
  ~ClipboardLock() {
    if (open_) ::CloseClipboard();
  }
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};
}  // namespace

bool Win32Platform::GetClipboardText(std::string& text) {
  ClipboardLock lock;
  if (!lock) return false;
  text.clear();
  HANDLE data = ::GetClipboardData(CF_TEXT);
  if (!data) return true;
  const char* chars = static_cast<const char*>(::GlobalLock(data));
  if (chars) text = chars;
  ::GlobalUnlock(data);
  return true;
}

bool Win32Platform::SetClipboardText(const std::string& text) {
  ClipboardLock lock;
  if (!lock) return false;
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  char* chars = static_cast<char*>(::GlobalLock(memory));
  memcpy(chars, text.c_str(), text.size() + 1);
  ::GlobalUnlock(memory);
  ::EmptyClipboard();
  if (!::SetClipboardData(CF_TEXT, memory)) {
    ::GlobalFree(memory);
    return false;
  }
  return true;  // the clipboard owns the memory now
}

Platform& DefaultPlatform() {
  static Win32Platform platform;
  return platform;
}

}  // namespace vb
