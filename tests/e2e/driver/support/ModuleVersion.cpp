#include "ModuleVersion.h"

#include <psapi.h>

#include <cstdint>
#include <set>
#include <vector>

#include "Text.h"

namespace e2e {

namespace {

// A mapped file's name as the system gives it, "\Device\HarddiskVolume1\windows\..." or a DOS path, as a DOS
// path.
std::wstring DosPath(const std::wstring& mapped) {
  if (mapped.size() > 2 && mapped[1] == L':') return mapped;
  if (mapped.starts_with(L"\\??\\")) return mapped.substr(4);
  wchar_t drives[512]{};
  const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(drives)), drives);
  for (const wchar_t* drive = drives; drive < drives + length && *drive != L'\0'; drive += wcslen(drive) + 1) {
    const std::wstring letter(drive, 2);
    wchar_t device[MAX_PATH]{};
    if (QueryDosDeviceW(letter.c_str(), device, MAX_PATH) == 0) continue;
    const std::wstring prefix = std::wstring(device) + L"\\";
    if (mapped.starts_with(prefix)) return letter + mapped.substr(prefix.size() - 1);
  }
  return mapped;
}

} // namespace

std::vector<std::wstring> LoadedModulePaths(HANDLE process, std::wstring_view fileName) {
  std::vector<std::wstring> paths;
  std::set<void*> seen;
  MEMORY_BASIC_INFORMATION region{};
  for (auto address = std::uintptr_t{0};
       VirtualQueryEx(process, reinterpret_cast<void*>(address), &region, sizeof region) == sizeof region;) {
    const auto next = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
    if (next <= address) break;
    address = next;
    if (region.Type != MEM_IMAGE || !seen.insert(region.AllocationBase).second) continue;
    wchar_t mapped[MAX_PATH]{};
    const DWORD length = GetMappedFileNameW(process, region.AllocationBase, mapped, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) continue;
    const std::wstring path = DosPath(std::wstring(mapped, length));
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring_view name =
        slash == std::wstring::npos ? std::wstring_view(path) : std::wstring_view(path).substr(slash + 1);
    if (fileName.empty() || CompareStringOrdinal(name.data(), static_cast<int>(name.size()), fileName.data(),
                                                 static_cast<int>(fileName.size()), TRUE) == CSTR_EQUAL) {
      paths.push_back(path);
    }
  }
  return paths;
}

std::optional<ModuleVersion> FileVersionOf(const std::wstring& path) {
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

} // namespace e2e
