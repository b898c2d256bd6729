// A library with a system library's name, for a scenario to plant beside the program, also under other
// system libraries' names: when any process loads it, it leaves a file beside itself named as it is, with
// ".loaded" appended. Its one export answers as the system's shcore.dll would, but with a resolution no monitor
// of the test display has, so a window laid out by it would show.

#include <windows.h>

#include <iterator>

#include "support/Handle.h"

namespace {

constexpr UINT kPlantedDpi = 192;

void LeaveMark(HINSTANCE self) noexcept {
  wchar_t path[MAX_PATH]{};
  const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  constexpr wchar_t suffix[] = L".loaded";
  if (length == 0 || length + std::size(suffix) > MAX_PATH) return;
  for (std::size_t i = 0; i < std::size(suffix); ++i) path[length + i] = suffix[i];
  const e2e::UniqueHandle file(
      CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) LeaveMark(self);
  return TRUE;
}

// The system header is left out: it declares the function as imported. The type is an enumeration there.
extern "C" __declspec(dllexport) HRESULT WINAPI GetDpiForMonitor(HMONITOR, int, UINT* dpiX, UINT* dpiY) {
  if (!dpiX || !dpiY) return E_INVALIDARG;
  *dpiX = *dpiY = kPlantedDpi;
  return S_OK;
}
