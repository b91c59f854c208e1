#pragma once
// The protocol around every guarded operation: mark the global record as begun,
// run the body with a catch-all, then either forward the outcome to the caller
// (forwarding frame) or show a failure once in the error dialog (reporting frame).
//
//   StatusFrame frame(VB_HERE, "TWordsList::Load");
//   frame.Run([&] {
//     if (!GetPlatform().PathExists(path)) return frame.Raise(__LINE__, "There is no such file", path);
//     Inner();
//     if (frame.Adopt()) return;
//   }, __LINE__);
#include <stdexcept>
#include <string>
#include <utility>

#include "core/errors/FunStat.h"

#define VB_HERE __FILE__, __LINE__

namespace vb {

// An exception that knows where it was thrown; frames report the place.
class SourcedError : public std::runtime_error {
 public:
  SourcedError(const std::string& message, const char* file, int line)
      : std::runtime_error(message), file_(file), line_(line) {}
  const char* File() const { return file_; }
  int Line() const { return line_; }

 private:
  const char* file_;
  int line_;
};

#define VB_THROW(message) throw ::vb::SourcedError((message), __FILE__, __LINE__)

class StatusFrame {
 public:
  enum class Kind { Forwarding, Reporting };

  // A forwarding frame.
  StatusFrame(const char* file, int openingLine, std::string function);
  // A reporting frame with its failure text.
  StatusFrame(const char* file, int openingLine, std::string function, std::string failureText);
  StatusFrame(const StatusFrame&) = delete;
  StatusFrame& operator=(const StatusFrame&) = delete;

  // Runs the body inside the catch-all, then closes the frame.
  template <class Body>
  void Run(Body&& body, int closingLine) {
    try {
      std::forward<Body>(body)();
    } catch (const SourcedError& e) {
      RecordException(closingLine, std::string("Unhandled exception: ") + e.what(), SourcePath(e.File()),
                      std::to_string(e.Line()));
    } catch (const std::exception& e) {
      RecordException(closingLine, std::string("Unhandled exception: ") + e.what(), "", "0");
    } catch (...) {
      RecordException(closingLine, "Unhandled generic exception.", "", "0");
    }
    Close(closingLine);
  }

  // Records a detected failure (status 2) at the given line.
  void Raise(int line, const std::string& description, const std::string& parameter1 = {},
             const std::string& parameter2 = {}, std::uint32_t systemErrorCode = 0);
  // Records a warning (status 1): kept in the record, never adopted or shown.
  void RaiseWarning(int line, const std::string& description, const std::string& parameter1 = {},
                    const std::string& parameter2 = {}, std::uint32_t systemErrorCode = 0);
  // Right after calling another guarded operation: takes over its failure.
  // Returns true when there was one.
  bool Adopt();
  bool Failed() const { return local_.Status > StatusWarning; }
  TFunStatContext& Local() { return local_; }
  const std::string& Function() const { return function_; }

 private:
  void RecordException(int line, const std::string& description, const std::string& file,
                       const std::string& throwLine);
  void Close(int closingLine);

  std::string file_;
  std::string function_;
  Kind kind_;
  std::string failureText_;
  TFunStatContext local_;
};

}  // namespace vb
