#include "core/errors/FunStat.h"

#include <cstdio>
#include <cstdlib>

#include "core/errors/ErrorDialogSeam.h"
#include "core/errors/MessageBoxes.h"
#include "core/text/MyTime.h"
#include "core/base/Platform.h"

namespace vb {

TFunStatContext GlobalFunStat;

namespace {
ErrorDialogSeam* errorDialog = nullptr;
}

ErrorDialogSeam* GetErrorDialog() { return errorDialog; }
void SetErrorDialog(ErrorDialogSeam* dialog) { errorDialog = dialog; }

TFunStatContext::TFunStatContext(const TFunStatContext& other) { Assign(other); }

TFunStatContext& TFunStatContext::operator=(const TFunStatContext& other) {
  Assign(other);
  return *this;
}

void TFunStatContext::Assign(const TFunStatContext& other) {
  if (this == &other) return;
  Status = other.Status;
  FileName = other.FileName;
  FunctionName = other.FunctionName;
  Line = other.Line;
  Description = other.Description;
  Parameter1 = other.Parameter1;
  Parameter2 = other.Parameter2;
  SystemErrorCode = other.SystemErrorCode;
  UserCode = other.UserCode;
  UserText = other.UserText;
  UserInt = other.UserInt;
  UserReal = other.UserReal;
}

void TFunStatContext::Clear(std::int32_t status) {
  Status = status;
  FileName.clear();
  FunctionName.clear();
  Line = 0;
  Description.clear();
  Parameter1.clear();
  Parameter2.clear();
  SystemErrorCode = 0;
}

void TFunStatContext::ClearUserInfo() {
  UserCode = 0;
  UserText.clear();
  UserInt = 0;
  UserReal = 0.0;
}

void TFunStatContext::BeginFunction(const std::string& file, const std::string& function, std::int32_t line) {
  Status = StatusBeginFunctionError;
  FileName = file;
  FunctionName = function;
  Line = line;
  Description.clear();
  Parameter1.clear();
  Parameter2.clear();
  SystemErrorCode = 0;
}

void TFunStatContext::Raise(const std::string& file, const std::string& function, std::int32_t line,
                            std::int32_t status, const std::string& description, const std::string& parameter1,
                            const std::string& parameter2, std::uint32_t systemErrorCode) {
  Status = status;
  FileName = file;
  FunctionName = function;
  Line = line;
  Description = description;
  Parameter1 = parameter1;
  Parameter2 = parameter2;
  SystemErrorCode = systemErrorCode;
}

void TFunStatContext::Show(const std::string& file, const std::string& function, std::int32_t line) {
  ShowFileName = file;
  ShowFunctionName = function;
  ShowLine = line;
}

std::string TFunStatContext::StatusText(std::int32_t status) {
  switch (status) {
    case StatusPerfect: return "Perfect";
    case StatusWarning: return "Warning";
    case StatusError: return "Error";
    case StatusBeginFunctionError: return "Begin function error";
    case StatusPanic: return "Panic";
    case StatusCatastrophe: return "Catastrophe";
    default: return "Unknown function status";
  }
}

std::string SourcePath(const char* file) {
  std::string path = file ? file : "";
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string FileNamePartOfSource(const std::string& path) {
  std::size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Shortest general form that reads back as the same value (0 prints as 0).
static std::string ShortestRealText(double value) {
  char buffer[64];
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
    if (std::strtod(buffer, nullptr) == value) break;
  }
  return buffer;
}

std::string TFunStatContext::ReportText() const {
  const std::string nl = "\r\n";
  std::string report;
  try {
    report += nl + "RAISE CONTEXT" + nl;
    report += "* Status: " + StatusText(Status);
    if (Status == StatusCatastrophe)
      report += ": CATASTROPHIC FAILURE!!! It is highly recommended to terminate the program immediately!";
    report += nl;
    report += "* File: \"" + FileNamePartOfSource(FileName) + "\"" + nl;
    report += "* Function: \"" + FunctionName + "\"" + nl;
    report += "* Line: " + std::to_string(Line) + nl;
    report += "* Description: \"" + Description + "\"" + nl;
    if (!Parameter1.empty()) report += "* Parameter 1: \"" + Parameter1 + "\"" + nl;
    if (!Parameter2.empty()) report += "* Parameter 2: \"" + Parameter2 + "\"" + nl;
    if (SystemErrorCode != 0) {
      report += "* System error code: " + std::to_string(SystemErrorCode) + nl;
      report += "* System error description: \"" + GetPlatform().SystemErrorText(SystemErrorCode) + "\"" + nl;
    }
    report += nl + "SHOW CONTEXT" + nl;
    report += "* File: \"" + FileNamePartOfSource(ShowFileName) + "\"" + nl;
    report += "* Function: \"" + ShowFunctionName + "\"" + nl;
    report += "* Line: " + std::to_string(ShowLine) + nl;
    report += nl + "INFO" + nl;
    report += "* Time: " + CurrentTimeText() + nl;
    report += "* Program: " + GetPlatform().ProgramPath() + nl;
    report += "* Recursive attempts: " + std::to_string(errorDialog ? errorDialog->RecursionCount() : 0) + nl;
    report += nl + "USER INFO" + nl;
    report += "* UserCode: " + std::to_string(UserCode) + nl;
    report += "* UserText: " + UserText + nl;
    report += "* UserInt: " + std::to_string(UserInt) + nl;
    report += "* UserReal: " + ShortestRealText(UserReal);
  } catch (...) {
    // A failing piece ends the report; what was built so far is kept.
  }
  return report;
}

bool TFunStatContext::ShowErrorDialog(const std::string& failureText, bool* noErrors) const {
  if (!errorDialog) {
    if (noErrors) *noErrors = false;
    ShowMessageBox("Error", "The error-dialog form is not created. You must create it.", 0);
    return false;
  }
  try {
    return errorDialog->Dialog(StatusText(Status), failureText, noErrors, ReportText());
  } catch (...) {
    return false;
  }
}

void TFunStatContext::OnApplicationException(const std::string& message) {
  const std::string text = "Unhandled error.\r\n" + message;
  GlobalFunStat.Raise(SourcePath(__FILE__), "TFunStatContext::OnApplicationException", __LINE__, StatusError, text, "", "",
                      GetPlatform().GetLastError());
  GlobalFunStat.Show(SourcePath(__FILE__), "TFunStatContext::OnApplicationException", __LINE__);
  GlobalFunStat.ShowErrorDialog(text);
  GlobalFunStat.Clear(StatusPerfect);
}

bool IsSystemFailure(std::uint32_t e) { return e != 0 && e != 14 && e != 1235; }
bool IsSystemFailureAllowExisting(std::uint32_t e) { return IsSystemFailure(e) && e != 183; }
bool IsSearchEndCode(std::uint32_t code) { return code == 0 || code == 2 || code == 18; }
bool IsComFailure(std::int32_t result) {
  return result < 0 && static_cast<std::uint32_t>(result) != 0x800704C7u;
}
bool IsSystemFailure() { return IsSystemFailure(GetPlatform().GetLastError()); }
bool IsSystemFailureAllowExisting() { return IsSystemFailureAllowExisting(GetPlatform().GetLastError()); }

}  // namespace vb
