#pragma once
// The platform services of the core, from the Windows API ("A" functions, text
// in the system code page).
#include "core/base/Platform.h"

namespace vb {

class Win32Platform : public Platform {
 public:
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
};

// Splits a command line the way the program's parameters are counted: blanks
// separate, double quotes group and are removed.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace vb
