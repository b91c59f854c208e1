#pragma once
// Owners for kernel handles.
#include <windows.h>

#include <utility>

namespace vb {

// A handle closed with CloseHandle; `Invalid` is the value that means none.
template <HANDLE (*InvalidValue)()>
class BasicHandle {
 public:
  BasicHandle() : handle_(InvalidValue()) {}
  explicit BasicHandle(HANDLE handle) : handle_(handle) {}
  ~BasicHandle() { reset(); }
  BasicHandle(BasicHandle&& other) noexcept : handle_(std::exchange(other.handle_, InvalidValue())) {}
  BasicHandle& operator=(BasicHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, InvalidValue());
    }
    return *this;
  }
  BasicHandle(const BasicHandle&) = delete;
  BasicHandle& operator=(const BasicHandle&) = delete;

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != InvalidValue() && handle_ != nullptr; }
  void reset(HANDLE handle = InvalidValue()) {
    if (*this) ::CloseHandle(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_;
};

inline HANDLE InvalidHandleValue() { return INVALID_HANDLE_VALUE; }
inline HANDLE NullHandleValue() { return nullptr; }

// CreateFile and FindFirstFile style handles (invalid = INVALID_HANDLE_VALUE).
using FileHandle = BasicHandle<InvalidHandleValue>;
// Mutexes, events, processes (invalid = null).
using KernelHandle = BasicHandle<NullHandleValue>;

// A FindFirstFile search, closed with FindClose.
class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) ::FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

}  // namespace vb
