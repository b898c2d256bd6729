#pragma once
// Owners for Windows handles: move-only, each releasing its handle the one way that kind needs.

#include <windows.h>

#include <utility>

template <class Handle, class Traits> class UniqueHandle {
public:
  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Handle{}; }
  Handle release() noexcept { return std::exchange(handle_, Handle{}); }
  void reset(Handle handle = Handle{}) noexcept {
    if (handle_ != Handle{}) Traits::Close(handle_);
    handle_ = handle;
  }

private:
  Handle handle_{};
};

struct WindowTraits {
  static void Close(HWND window) noexcept { DestroyWindow(window); }
};
struct GdiObjectTraits {
  static void Close(HGDIOBJ object) noexcept { DeleteObject(object); }
};
struct ModuleTraits {
  static void Close(HMODULE module) noexcept { FreeLibrary(module); }
};
struct RegistryKeyTraits {
  static void Close(HKEY key) noexcept { RegCloseKey(key); }
};

using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits>;
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;
using UniqueRegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;
