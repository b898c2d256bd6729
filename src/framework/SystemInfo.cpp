#include "SystemInfo.h"

#include <windows.h>

#include <cstring>

#include "SystemLibrary.h"

namespace {

std::uint32_t ReadWindowsMajorVersion() noexcept {
  const auto rtlGetVersion = LateBound::RtlGetVersion();
  OSVERSIONINFOW version{sizeof version};
  if (rtlGetVersion && rtlGetVersion(&version) == 0) return version.dwMajorVersion;
  return 0;
}

// The fixed part of a module's version resource, read from the loaded image rather than from its file.
FileVersion ReadModuleFileVersion(HMODULE module) noexcept {
  HRSRC resource = module ? FindResourceW(module, MAKEINTRESOURCEW(1), RT_VERSION) : nullptr;
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const auto* data = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
  if (!data) return {};
  const DWORD size = SizeofResource(module, resource);
  constexpr DWORD kSignature = 0xFEEF04BD;
  for (DWORD offset = 0; offset + sizeof(VS_FIXEDFILEINFO) <= size; offset += 4) {
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, data + offset, sizeof info);
    if (info.dwSignature == kSignature) return {HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS)};
  }
  return {};
}

} // namespace

std::uint32_t Win32MajorVersion() noexcept {
  static const std::uint32_t major = ReadWindowsMajorVersion();
  return major;
}

FileVersion CommonControlsVersion() noexcept {
  static const FileVersion version = ReadModuleFileVersion(ManifestCommonControls());
  return version;
}
