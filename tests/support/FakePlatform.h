#pragma once
// A platform for tests: forwards to the build's real platform, but records every
// message box and answers it from a script, and can fix the clock, the tick
// count, the cursor, the program path and file writes.
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/base/Platform.h"

namespace vb::test {

struct ShownBox {
  std::string Caption;
  std::string Text;
  unsigned Style;
};

// Thrown instead of ending the process.
struct TerminateCalled : std::runtime_error {
  explicit TerminateCalled(int code) : std::runtime_error("terminate"), ExitCode(code) {}
  int ExitCode;
};

class FakePlatform : public Platform {
 public:
  FakePlatform();

  // Scripted answers, raw platform values (1 OK, 2 Cancel, 6 Yes, 7 No).
  // With no answer left a box answers `DefaultAnswer`.
  std::deque<int> Answers;
  int DefaultAnswer = 2;
  std::vector<ShownBox> Boxes;
  int Beeps = 0;

  std::optional<LocalDateTime> FixedNow;
  std::optional<std::uint32_t> FixedTickCount;
  int CursorX = 0, CursorY = 0;
  std::optional<std::string> FixedProgramPath;
  std::vector<std::string> Parameters;
  // When set, decides whether a whole-file write to this path may succeed.
  std::function<bool(const std::string& path)> AllowWrite;
  // When set, decides whether a whole-file read of this path may succeed.
  std::function<bool(const std::string& path)> AllowRead;
  std::string Clipboard;

  int CompareTextIgnoreCase(const std::string& a, const std::string& b) override;
  std::string SortKeyIgnoreCase(const std::string& text) override;
  std::string UpperCase(const std::string& text) override;
  std::string LongDateText(const LocalDateTime& time) override;
  std::string LongTimeText(const LocalDateTime& time) override;
  LocalDateTime Now() override;
  std::string SystemErrorText(std::uint32_t code) override;
  int ShowBox(const std::string& caption, const std::string& text, unsigned style) override;
  void Beep(unsigned type) override;
  bool PathExists(const std::string& path) override;
  std::uint32_t FileAttributes(const std::string& path) override;
  bool ChangeFileAttributes(const std::string& path, std::uint32_t attributes) override;
  bool CreateFolder(const std::string& path) override;
  bool MoveFileOver(const std::string& from, const std::string& to) override;
  bool RemoveFile(const std::string& path) override;
  bool ReadFileBytes(const std::string& path, std::string& content) override;
  bool WriteFileBytes(const std::string& path, const std::string& content) override;
  bool AppendFileBytes(const std::string& path, const std::string& content) override;
  bool FileByteSize(const std::string& path, std::uint64_t& size) override;
  std::uint32_t GetLastError() override;
  void SetLastError(std::uint32_t code) override;
  std::string ProgramPath() override;
  std::vector<std::string> CommandLineParameters() override;
  std::uint32_t TickCount() override;
  void CursorPosition(int& x, int& y) override;
  void TerminateImmediately(int exitCode) override;
  bool GetClipboardText(std::string& text) override;
  bool SetClipboardText(const std::string& text) override;

 private:
  Platform& real_;
};

// Installs a FakePlatform for the scope of a test and resets the global record.
class FakePlatformScope {
 public:
  FakePlatformScope();
  ~FakePlatformScope();
  FakePlatform& operator*() { return platform_; }
  FakePlatform* operator->() { return &platform_; }

 private:
  FakePlatform platform_;
  ScopedPlatform scope_;
};

}  // namespace vb::test
