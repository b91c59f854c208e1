#include "core/errors/StatusFrame.h"

namespace vb {

StatusFrame::StatusFrame(const char* file, int openingLine, std::string function)
    : file_(SourcePath(file)), function_(std::move(function)), kind_(Kind::Forwarding) {
  GlobalFunStat.BeginFunction(file_, function_, openingLine);
}

StatusFrame::StatusFrame(const char* file, int openingLine, std::string function, std::string failureText)
    : file_(SourcePath(file)), function_(std::move(function)), kind_(Kind::Reporting), failureText_(std::move(failureText)) {
  GlobalFunStat.BeginFunction(file_, function_, openingLine);
}

void StatusFrame::Raise(int line, const std::string& description, const std::string& parameter1,
                        const std::string& parameter2, std::uint32_t systemErrorCode) {
  local_.Raise(file_, function_, line, StatusError, description, parameter1, parameter2, systemErrorCode);
}

void StatusFrame::RaiseWarning(int line, const std::string& description, const std::string& parameter1,
                               const std::string& parameter2, std::uint32_t systemErrorCode) {
  local_.Raise(file_, function_, line, StatusWarning, description, parameter1, parameter2, systemErrorCode);
}

bool StatusFrame::Adopt() {
  if (GlobalFunStat.Status <= StatusWarning) return false;
  local_ = GlobalFunStat;
  return true;
}

void StatusFrame::RecordException(int line, const std::string& description, const std::string& file,
                                  const std::string& throwLine) {
  local_.Raise(file_, function_, line, StatusError, description, file, throwLine, 0);
}

void StatusFrame::Close(int closingLine) {
  if (kind_ == Kind::Reporting) {
    if (local_.Status > StatusWarning) {
      local_.Show(file_, "", closingLine);
      local_.ShowErrorDialog(failureText_);
    }
    local_.Clear(StatusPerfect);
  }
  GlobalFunStat = local_;
}

}  // namespace vb
