#include "WineHost.h"

#include <windows.h>

#include <stdexcept>

#include "Text.h"

namespace e2e {

namespace {

template <typename Function> Function WineExport(const char* name) {
  const FARPROC address = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name);
  if (address == nullptr) throw std::runtime_error(std::string("not running under Wine: no ") + name);
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

// Both return memory from the process heap, or null.
template <typename Char> std::basic_string<Char> TakeHeapString(Char* text, const std::string& what) {
  if (text == nullptr) throw std::runtime_error("Wine cannot map " + what);
  std::basic_string<Char> result(text);
  HeapFree(GetProcessHeap(), 0, text);
  return result;
}

} // namespace

std::wstring WindowsPathOfUnixPath(const std::wstring& unixPath) {
  using ToDos = WCHAR*(CDECL*)(LPCSTR);
  const auto toDos = WineExport<ToDos>("wine_get_dos_file_name");
  const std::string path = ToUtf8(unixPath);
  return TakeHeapString(toDos(path.c_str()), path);
}

std::wstring UnixPathOfWindowsPath(const std::wstring& windowsPath) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = WineExport<ToUnix>("wine_get_unix_file_name");
  return FromUtf8(TakeHeapString(toUnix(windowsPath.c_str()), ToUtf8(windowsPath)));
}

bool RunsUnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

} // namespace e2e
