#pragma once
// The platform of the native (non-Windows) build: enough for the core and its
// tests. Paths in the program's form (backslashes) are mapped to '/' for the
// file system, and the program path is given back with backslashes.
#include <ios>

#include "core/base/Platform.h"

namespace vb {

class PortablePlatform : public Platform {
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

  // The file-system form of a program path.
  static std::string NativePath(const std::string& path);

 private:
  bool WriteWithMode(const std::string& path, const std::string& content, std::ios::openmode mode);
  std::uint32_t lastError_ = 0;
  std::string clipboard_;
};

}  // namespace vb
