#pragma once
// Move-only owners of the handles the driver opens.

#include <windows.h>

#include <utility>

namespace e2e {

// A kernel handle; both null and INVALID_HANDLE_VALUE mean "none".
class UniqueHandle {
public:
  UniqueHandle() noexcept = default;
  explicit UniqueHandle(HANDLE handle) noexcept : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Close(); }

  HANDLE get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

private:
  void Close() noexcept {
    if (*this) CloseHandle(handle_);
    handle_ = nullptr;
  }

  HANDLE handle_ = nullptr;
};

class UniqueRegKey {
public:
  UniqueRegKey() noexcept = default;
  explicit UniqueRegKey(HKEY key) noexcept : key_(key) {}
  UniqueRegKey(UniqueRegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  UniqueRegKey& operator=(UniqueRegKey&& other) noexcept {
    if (this != &other) {
      Close();
      key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
  }
  UniqueRegKey(const UniqueRegKey&) = delete;
  UniqueRegKey& operator=(const UniqueRegKey&) = delete;
  ~UniqueRegKey() { Close(); }

  HKEY get() const noexcept { return key_; }

private:
  void Close() noexcept {
    if (key_ != nullptr) RegCloseKey(key_);
    key_ = nullptr;
  }

  HKEY key_ = nullptr;
};

} // namespace e2e
