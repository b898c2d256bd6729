#include "SystemLibrary.h"

namespace {

template <class Function> Function GetProc(HMODULE module, const char* name) noexcept {
  if (!module) return nullptr;
  // FARPROC to the real signature: the only way GetProcAddress can be used.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

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

decltype(&::TaskDialogIndirect) LateBound::TaskDialogIndirect() noexcept {
  static const auto function =
      GetProc<decltype(&::TaskDialogIndirect)>(GetModuleHandleW(L"comctl32.dll"), "TaskDialogIndirect");
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

decltype(&::SetDefaultDllDirectories) LateBound::SetDefaultDllDirectories() noexcept {
  static const auto function =
      GetProc<decltype(&::SetDefaultDllDirectories)>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  return function;
}

LateBound::RtlGetVersionFunction LateBound::RtlGetVersion() noexcept {
  static const auto function = GetProc<RtlGetVersionFunction>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  return function;
}
