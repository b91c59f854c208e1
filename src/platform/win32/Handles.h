#pragma once
// Owners for kernel handles, registry keys, COM interfaces and shell memory.
#include <windows.h>
#include <objbase.h>

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

// An open registry key, closed with RegCloseKey.
class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() { reset(); }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY get() const { return key_; }
  HKEY* put() {
    reset();
    return &key_;
  }
  explicit operator bool() const { return key_ != nullptr; }
  void reset() {
    if (key_) ::RegCloseKey(key_);
    key_ = nullptr;
  }

 private:
  HKEY key_ = nullptr;
};

// A COM interface pointer that releases its reference when the owner goes.
template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // The address to receive a new pointer (after releasing the current one).
  Interface** put() {
    reset();
    return &pointer_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  void reset() {
    if (pointer_) pointer_->Release();
    pointer_ = nullptr;
  }

 private:
  Interface* pointer_ = nullptr;
};

// Memory handed out by the shell's task allocator (item id lists), freed with CoTaskMemFree.
template <class T>
class CoTaskMemPtr {
 public:
  explicit CoTaskMemPtr(T* pointer = nullptr) : pointer_(pointer) {}
  ~CoTaskMemPtr() { ::CoTaskMemFree(pointer_); }
  CoTaskMemPtr(const CoTaskMemPtr&) = delete;
  CoTaskMemPtr& operator=(const CoTaskMemPtr&) = delete;
  T* get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  T* pointer_;
};

}  // namespace vb
