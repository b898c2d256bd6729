#include "SystemLibrary.h"

namespace {

template <class Function> Function GetProc(HMODULE module, const char* name) noexcept {
  if (!module) return nullptr;
  // FARPROC to the real signature: the only way GetProcAddress can be used.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The activation context made from the image's own manifest, active on this thread while the object lives.
class ManifestContextActive {
public:
  ManifestContextActive() noexcept {
    ACTCTXW context{sizeof context};
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.hModule = GetModuleHandleW(nullptr);
    context.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    context_ = CreateActCtxW(&context);
    if (context_ != INVALID_HANDLE_VALUE && !ActivateActCtx(context_, &cookie_)) cookie_ = 0;
  }
  ~ManifestContextActive() {
    if (cookie_ != 0) DeactivateActCtx(0, cookie_);
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
  }
  ManifestContextActive(const ManifestContextActive&) = delete;
  ManifestContextActive& operator=(const ManifestContextActive&) = delete;

private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
  ULONG_PTR cookie_ = 0;
};

} // namespace

std::wstring ModuleFileName(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    // A result that fills the buffer may have been cut short.
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

UniqueModule LoadSystemLibrary(const wchar_t* name) noexcept {
  return UniqueModule(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

HMODULE ManifestCommonControls() noexcept {
  // Kept loaded for the process's life, so that the library whose version is read is the one boxes then use.
  static const UniqueModule commonControls = [] {
    const ManifestContextActive active;
    return LoadSystemLibrary(L"comctl32.dll");
  }();
  return commonControls.get();
}

decltype(&::TaskDialogIndirect) LateBound::TaskDialogIndirect() noexcept {
  static const auto function = GetProc<decltype(&::TaskDialogIndirect)>(ManifestCommonControls(), "TaskDialogIndirect");
  return function;
}

decltype(&::GetDpiForMonitor) LateBound::GetDpiForMonitor() noexcept {
  // The library stays loaded for the life of the process, as the function pointer does.
  static const auto function =
      GetProc<decltype(&::GetDpiForMonitor)>(LoadSystemLibrary(L"shcore.dll").release(), "GetDpiForMonitor");
  return function;
}

decltype(&::AdjustWindowRectExForDpi) LateBound::AdjustWindowRectExForDpi() noexcept {
  static const auto function =
      GetProc<decltype(&::AdjustWindowRectExForDpi)>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
  return function;
}

decltype(&::GetDpiForWindow) LateBound::GetDpiForWindow() noexcept {
  static const auto function =
      GetProc<decltype(&::GetDpiForWindow)>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  return function;
}

decltype(&::SetDefaultDllDirectories) LateBound::SetDefaultDllDirectories() noexcept {
  static const auto function =
      GetProc<decltype(&::SetDefaultDllDirectories)>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  return function;
}

LateBound::RtlGetVersionFunction LateBound::RtlGetVersion() noexcept {
  static const auto function = GetProc<RtlGetVersionFunction>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  return function;
}
