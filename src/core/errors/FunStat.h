#pragma once
// The failure record that every guarded operation fills, and the program-wide
// instance through which an operation hands its outcome to its caller.
#include <cstdint>
#include <string>

namespace vb {

enum FunctionStatus : std::int32_t {
  StatusPerfect = 0,
  StatusWarning = 1,
  StatusError = 2,
  StatusBeginFunctionError = 3,
  StatusPanic = 4,
  StatusCatastrophe = 5,
};

class TFunStatContext {
 public:
  // Raise context: where and why the failure happened.
  std::int32_t Status = StatusPerfect;
  std::string FileName;
  std::string FunctionName;
  std::int32_t Line = 0;
  std::string Description;
  std::string Parameter1;
  std::string Parameter2;
  std::uint32_t SystemErrorCode = 0;

  // Show context: where the failure was shown.
  std::string ShowFileName;
  std::string ShowFunctionName;
  std::int32_t ShowLine = 0;

  // Free fields for callers; nothing in the program sets them.
  std::int32_t UserCode = 0;
  std::string UserText;
  std::int32_t UserInt = 0;
  double UserReal = 0.0;

  TFunStatContext() = default;
  // Copies raise context and user info; the show context is not copied.
  TFunStatContext(const TFunStatContext& other);
  TFunStatContext& operator=(const TFunStatContext& other);
  void Assign(const TFunStatContext& other);

  void Clear(std::int32_t status);
  void ClearUserInfo();
  void BeginFunction(const std::string& file, const std::string& function, std::int32_t line);
  void Raise(const std::string& file, const std::string& function, std::int32_t line, std::int32_t status,
             const std::string& description, const std::string& parameter1 = {},
             const std::string& parameter2 = {}, std::uint32_t systemErrorCode = 0);
  void Show(const std::string& file, const std::string& function, std::int32_t line);

  static std::string StatusText(std::int32_t status);
  std::string ReportText() const;

  // Shows this record in the error dialog. True when closed with one of the two
  // Okay buttons; `noErrors`, when given, is set only for "Okay (no errors)".
  bool ShowErrorDialog(const std::string& failureText, bool* noErrors = nullptr) const;

  // The handler for exceptions that escape event handlers; works on GlobalFunStat.
  static void OnApplicationException(const std::string& message);
};

extern TFunStatContext GlobalFunStat;

// System error tests.
bool IsSystemFailure(std::uint32_t lastError);
bool IsSystemFailureAllowExisting(std::uint32_t lastError);
bool IsSearchEndCode(std::uint32_t code);
bool IsComFailure(std::int32_t result);
// The same tests on the platform's current last-error code.
bool IsSystemFailure();
bool IsSystemFailureAllowExisting();

// A source path in the program's form: '/' becomes '\\'.
std::string SourcePath(const char* file);
// The text after the last backslash or colon (the whole text when it has neither).
std::string FileNamePartOfSource(const std::string& path);

}  // namespace vb
