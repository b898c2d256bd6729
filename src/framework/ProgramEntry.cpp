// The process entry point: the framework's objects around the program's own start-up, and the last-resort
// report of a start-up failure.

#include <windows.h>

#include <new>
#include <string>

#include "Application.h"
#include "Exceptions.h"
#include "Program.h"
#include "Screen.h"
#include "SystemLibrary.h"
#include "TextRules.h"

namespace {

// Identifies the synthetic exception that the system's unhandled-exception filter is shown.
constexpr DWORD kStartupFailureCode = 0xE050434Cu;

// Points a framework global at a local object for exactly that object's lifetime.
template <class Object> class GlobalInstance {
public:
  GlobalInstance(Object*& global, Object& object) noexcept : global_(global) { global_ = &object; }
  ~GlobalInstance() { global_ = nullptr; }
  GlobalInstance(const GlobalInstance&) = delete;
  GlobalInstance& operator=(const GlobalInstance&) = delete;

private:
  Object*& global_;
};

std::wstring ModuleFileNameAt(const void* address) {
  HMODULE module = nullptr;
  if (!address ||
      !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<LPCWSTR>(address), &module)) {
    module = GetModuleHandleW(nullptr);
  }
  return std::wstring(FileNameFromPath(ModuleFileName(module)));
}

// Libraries that load later, by the program or by the system on its behalf, come from the system directory
// only: never from the program's folder or the current directory, where anyone may have put a file.
void RestrictLibrarySearch() noexcept {
  SetDllDirectoryW(L"");
  if (const auto setDefaultDllDirectories = LateBound::SetDefaultDllDirectories())
    setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// Call from a catch block. Offers the error to the system first, as an unhandled error would be.
int ReportStartupFailure() noexcept {
  try {
    std::wstring className = L"Exception";
    std::wstring message;
    const void* address = nullptr;
    try {
      throw;
    } catch (const Exception& error) {
      className = error.ClassName();
      message = error.Message();
      address = error.Address();
    } catch (const std::bad_alloc&) {
      message = L"Out of memory";
    } catch (...) {
    }

    EXCEPTION_RECORD record{};
    record.ExceptionCode = kStartupFailureCode;
    record.ExceptionFlags = EXCEPTION_NONCONTINUABLE;
    record.ExceptionAddress = const_cast<void*>(address);
    CONTEXT context{};
    RtlCaptureContext(&context);
    EXCEPTION_POINTERS pointers{&record, &context};
    if (UnhandledExceptionFilter(&pointers) == EXCEPTION_CONTINUE_SEARCH) return 1;

    const std::wstring text =
        StartupErrorText(className, ModuleFileNameAt(address),
                         FormatAddress(reinterpret_cast<std::uintptr_t>(address), sizeof address), message);
    MessageBoxW(nullptr, text.c_str(), L"Application Error", MB_OK | MB_TASKMODAL | MB_ICONERROR);
  } catch (...) {
  }
  return 1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  RestrictLibrarySearch();
  try {
    TScreen screen(nullptr);
    const GlobalInstance screenInstance(Screen, screen);
    TApplication application;
    const GlobalInstance applicationInstance(Application, application);
    ProgramMain();
  } catch (...) {
    return ReportStartupFailure();
  }
  return 0;
}
