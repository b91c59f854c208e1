#include "support/FakePlatform.h"

#include "platform/DefaultPlatform.h"
#include "core/errors/ErrorDialogSeam.h"
#include "core/errors/FunStat.h"

namespace vb::test {

FakePlatform::FakePlatform() : real_(DefaultPlatform()) {}

int FakePlatform::CompareTextIgnoreCase(const std::string& a, const std::string& b) {
  return real_.CompareTextIgnoreCase(a, b);
}
std::string FakePlatform::SortKeyIgnoreCase(const std::string& text) { return real_.SortKeyIgnoreCase(text); }
std::string FakePlatform::UpperCase(const std::string& text) { return real_.UpperCase(text); }
std::string FakePlatform::LongDateText(const LocalDateTime& time) { return real_.LongDateText(time); }
std::string FakePlatform::LongTimeText(const LocalDateTime& time) { return real_.LongTimeText(time); }
LocalDateTime FakePlatform::Now() { return FixedNow ? *FixedNow : real_.Now(); }
std::string FakePlatform::SystemErrorText(std::uint32_t code) { return real_.SystemErrorText(code); }

int FakePlatform::ShowBox(const std::string& caption, const std::string& text, unsigned style) {
  Boxes.push_back({caption, text, style});
  if (Answers.empty()) return DefaultAnswer;
  int answer = Answers.front();
  Answers.pop_front();
  return answer;
}

void FakePlatform::Beep(unsigned) { ++Beeps; }
bool FakePlatform::PathExists(const std::string& path) { return real_.PathExists(path); }
std::uint32_t FakePlatform::FileAttributes(const std::string& path) { return real_.FileAttributes(path); }
bool FakePlatform::ChangeFileAttributes(const std::string& path, std::uint32_t attributes) {
  return real_.ChangeFileAttributes(path, attributes);
}
bool FakePlatform::CreateFolder(const std::string& path) { return real_.CreateFolder(path); }
bool FakePlatform::MoveFileOver(const std::string& from, const std::string& to) { return real_.MoveFileOver(from, to); }
bool FakePlatform::RemoveFile(const std::string& path) { return real_.RemoveFile(path); }
bool FakePlatform::ReadFileBytes(const std::string& path, std::string& content) {
  if (AllowRead && !AllowRead(path)) {
    real_.SetLastError(5);  // access denied
    return false;
  }
  return real_.ReadFileBytes(path, content);
}
bool FakePlatform::WriteFileBytes(const std::string& path, const std::string& content) {
  if (AllowWrite && !AllowWrite(path)) {
    real_.SetLastError(112);  // the disk is full
    return false;
  }
  return real_.WriteFileBytes(path, content);
}
bool FakePlatform::AppendFileBytes(const std::string& path, const std::string& content) {
  if (AllowWrite && !AllowWrite(path)) {
    real_.SetLastError(112);
    return false;
  }
  return real_.AppendFileBytes(path, content);
}
bool FakePlatform::FileByteSize(const std::string& path, std::uint64_t& size) {
  return real_.FileByteSize(path, size);
}
std::uint32_t FakePlatform::GetLastError() { return real_.GetLastError(); }
void FakePlatform::SetLastError(std::uint32_t code) { real_.SetLastError(code); }
std::string FakePlatform::ProgramPath() { return FixedProgramPath ? *FixedProgramPath : real_.ProgramPath(); }
std::vector<std::string> FakePlatform::CommandLineParameters() { return Parameters; }
std::uint32_t FakePlatform::TickCount() { return FixedTickCount ? *FixedTickCount : real_.TickCount(); }
void FakePlatform::CursorPosition(int& x, int& y) {
  x = CursorX;
  y = CursorY;
}
void FakePlatform::TerminateImmediately(int exitCode) { throw TerminateCalled(exitCode); }
bool FakePlatform::GetClipboardText(std::string& text) {
  text = Clipboard;
  return true;
}
bool FakePlatform::SetClipboardText(const std::string& text) {
  Clipboard = text;
  return true;
}

FakePlatformScope::FakePlatformScope() : scope_(platform_) {
  GlobalFunStat.Clear(StatusPerfect);
  GlobalFunStat.ClearUserInfo();
  GlobalFunStat.Show("", "", 0);
}

FakePlatformScope::~FakePlatformScope() {
  GlobalFunStat.Clear(StatusPerfect);
  GlobalFunStat.Show("", "", 0);
}

}  // namespace vb::test
