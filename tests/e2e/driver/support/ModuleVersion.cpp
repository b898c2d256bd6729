#include "ModuleVersion.h"

#include <psapi.h>

#include <stdexcept>
#include <vector>

#include "Text.h"

namespace e2e {

namespace {

std::vector<HMODULE> LoadedModules(HANDLE process) {
  std::vector<HMODULE> modules(64);
  for (;;) {
    const auto bytes = static_cast<DWORD>(modules.size() * sizeof(HMODULE));
    DWORD needed = 0;
    if (!EnumProcessModulesEx(process, modules.data(), bytes, &needed, LIST_MODULES_ALL)) {
      throw std::runtime_error("cannot list the modules of the process: " + DescribeError(GetLastError()));
    }
    // More modules than room: the list was cut, so ask again with room for all.
    if (needed <= bytes) {
      modules.resize(needed / sizeof(HMODULE));
      return modules;
    }
    modules.resize(needed / sizeof(HMODULE));
  }
}

std::optional<ModuleVersion> FileVersion(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return std::nullopt;
  void* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", &fixed, &length) || length < sizeof(VS_FIXEDFILEINFO)) return std::nullopt;
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  return ModuleVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS)};
}

} // namespace

std::optional<ModuleVersion> LoadedModuleVersion(HANDLE process, std::wstring_view fileName) {
  for (HMODULE module : LoadedModules(process)) {
    wchar_t path[MAX_PATH]{};
    const DWORD length = GetModuleFileNameExW(process, module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) continue;
    const std::wstring_view full(path, length);
    const std::size_t slash = full.find_last_of(L"\\/");
    const std::wstring_view name = slash == std::wstring_view::npos ? full : full.substr(slash + 1);
    if (CompareStringOrdinal(name.data(), static_cast<int>(name.size()), fileName.data(),
                             static_cast<int>(fileName.size()), TRUE) == CSTR_EQUAL) {
      return FileVersion(std::wstring(full));
    }
  }
  return std::nullopt;
}

} // namespace e2e
