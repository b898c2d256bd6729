#pragma once
// Functions newer than the oldest Windows the image runs on, looked up at run time from the system directory.

#include <windows.h>

#include <string>

#include "WinHandles.h"

// Loads a library from the system directory only, never from the program's folder or the current directory.
UniqueModule LoadSystemLibrary(const wchar_t* name) noexcept;

// The module's full path, however long: a path cut at a fixed length would give a wrong file name.
std::wstring ModuleFileName(HMODULE module);

// The exported function, typed exactly as the caller declares it (with WINAPI), or null.
template <class Function> Function GetProc(HMODULE module, const char* name) noexcept {
  if (!module) return nullptr;
  // FARPROC to the real signature: the only way GetProcAddress can be used.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
