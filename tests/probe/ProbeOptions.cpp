#include "ProbeOptions.h"

#include <windows.h>

#include <shellapi.h>

bool Option(std::wstring_view name, std::wstring& value) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return false;
  bool found = false;
  const std::wstring prefix = L"--" + std::wstring(name);
  for (int i = 1; i < count && !found; ++i) {
    const std::wstring_view argument(arguments[i]);
    if (argument == prefix) {
      value.clear();
      found = true;
    } else if (argument.starts_with(prefix + L"=")) {
      value = argument.substr(prefix.size() + 1);
      found = true;
    }
  }
  LocalFree(arguments);
  return found;
}

bool Option(std::wstring_view name) {
  std::wstring ignored;
  return Option(name, ignored);
}
