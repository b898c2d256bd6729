#pragma once
// Libraries from the system directory, and the functions newer than the oldest Windows the image runs on,
// looked up at run time.

#include <windows.h>

#include <commctrl.h>
#include <shellscalingapi.h>

#include <string>

#include "WinHandles.h"

// Loads a library from the system directory only, never from the program's folder or the current directory.
UniqueModule LoadSystemLibrary(const wchar_t* name) noexcept;

// The common-controls library that the image's manifest selects (the side-by-side version 6 one), loaded once by
// name under the manifest's own activation context: whatever context the calling thread has active, and whether
// or not an import or another library has loaded one already. Without a manifest it is system32's.
HMODULE ManifestCommonControls() noexcept;

// The module's full path, however long: a path cut at a fixed length would give a wrong file name.
std::wstring ModuleFileName(HMODULE module);

// Each function looked up once, on first use, and typed from the system's own declaration so that a calling
// convention cannot be written wrong (in the 32-bit image a wrong one corrupts the stack); null where the system
// lacks it.
namespace LateBound {
// From ManifestCommonControls().
decltype(&::TaskDialogIndirect) TaskDialogIndirect() noexcept;
decltype(&::GetDpiForMonitor) GetDpiForMonitor() noexcept;
decltype(&::AdjustWindowRectExForDpi) AdjustWindowRectExForDpi() noexcept;
decltype(&::GetDpiForWindow) GetDpiForWindow() noexcept;
decltype(&::SetDefaultDllDirectories) SetDefaultDllDirectories() noexcept;
// As the kernel-mode headers declare it; user-mode headers do not carry it.
using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
RtlGetVersionFunction RtlGetVersion() noexcept;
} // namespace LateBound
