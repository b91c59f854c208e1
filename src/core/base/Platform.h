#pragma once
// The few platform services the portable core needs. The Win32 build supplies
// them from the system; the native build from a portable implementation; tests
// derive from either to fix answers (message boxes, tick count, clock...).
#include <cstdint>
#include <string>
#include <vector>

namespace vb {

// A local calendar time, as the platform's clock reports it.
struct LocalDateTime {
  int Year = 1899, Month = 12, Day = 30;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Locale: case-insensitive comparison for the user's locale (<0, 0, >0), and a
  // key that is equal for two texts exactly when the comparison says equal.
  virtual int CompareTextIgnoreCase(const std::string& a, const std::string& b) = 0;
  virtual std::string SortKeyIgnoreCase(const std::string& text) = 0;
  // Upper case of an 8-bit text in the system code page.
  virtual std::string UpperCase(const std::string& text) = 0;
  // The locale's long date, and long time with ":" as separator.
  virtual std::string LongDateText(const LocalDateTime& time) = 0;
  virtual std::string LongTimeText(const LocalDateTime& time) = 0;
  virtual LocalDateTime Now() = 0;
  // The system's description of an error code.
  virtual std::string SystemErrorText(std::uint32_t code) = 0;

  // Message boxes: shows a task-modal box; returns the platform's raw answer
  // (1 OK, 2 Cancel, 6 Yes, 7 No, 0 when the box could not be shown).
  virtual int ShowBox(const std::string& caption, const std::string& text, unsigned style) = 0;
  // 0 = default beep, 0x30 = exclamation.
  virtual void Beep(unsigned type) = 0;

  // Files.
  virtual bool PathExists(const std::string& path) = 0;
  // Attributes, or 0xFFFFFFFF when they cannot be read; bit 1 read-only, 0x10 directory.
  virtual std::uint32_t FileAttributes(const std::string& path) = 0;
  virtual bool ChangeFileAttributes(const std::string& path, std::uint32_t attributes) = 0;
  // Creates a folder; false when it failed (also when it exists).
  virtual bool CreateFolder(const std::string& path) = 0;
  // Moves `from` over `to`, replacing it, written through to disk.
  virtual bool MoveFileOver(const std::string& from, const std::string& to) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Whole-file reads and writes (a write creates or truncates); false on failure,
  // with the last-error code set.
  virtual bool ReadFileBytes(const std::string& path, std::string& content) = 0;
  virtual bool WriteFileBytes(const std::string& path, const std::string& content) = 0;
  // Adds the bytes at the end of a file, creating it when missing; what was in
  // the file stays whatever happens to the append.
  virtual bool AppendFileBytes(const std::string& path, const std::string& content) = 0;
  // The size of an existing file; false (last error set) when it cannot be read.
  virtual bool FileByteSize(const std::string& path, std::uint64_t& size) = 0;

  // Last-error code of the calling thread.
  virtual std::uint32_t GetLastError() = 0;
  virtual void SetLastError(std::uint32_t code) = 0;

  // Process.
  virtual std::string ProgramPath() = 0;
  virtual std::vector<std::string> CommandLineParameters() = 0;  // without the program path
  virtual std::uint32_t TickCount() = 0;
  virtual void CursorPosition(int& x, int& y) = 0;
  // Ends the process at once, without exit handlers.
  virtual void TerminateImmediately(int exitCode) = 0;

  // Clipboard text; false when the clipboard could not be read or written.
  virtual bool GetClipboardText(std::string& text) = 0;
  virtual bool SetClipboardText(const std::string& text) = 0;
};

// The platform in use: the one the program's entry point (or a test's main)
// installed. The core never picks one itself; using it before one is installed
// throws std::logic_error.
Platform& GetPlatform();
// Installs the platform (not owned); nullptr uninstalls it.
void SetPlatform(Platform* platform);

// Installs a platform for the lifetime of a scope (tests).
class ScopedPlatform {
 public:
  explicit ScopedPlatform(Platform& platform);
  ~ScopedPlatform();
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  Platform* previous_;
};

}  // namespace vb
