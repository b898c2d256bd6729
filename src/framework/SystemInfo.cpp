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

// The activation context made from the image's own manifest, active on this thread while the object lives.
class ManifestContextActive {
public:
  ManifestContextActive() noexcept {
    ACTCTXW context{sizeof context};
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.hModule = GetModuleHandleW(nullptr);
    context.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    context_ = CreateActCtxW(&context);
    if (context_ != INVALID_HANDLE_VALUE && !ActivateActCtx(context_, &cookie_)) cookie_ = 0;
  }
  ~ManifestContextActive() {
    if (cookie_ != 0) DeactivateActCtx(0, cookie_);
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
  }
  ManifestContextActive(const ManifestContextActive&) = delete;
  ManifestContextActive& operator=(const ManifestContextActive&) = delete;

private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
  ULONG_PTR cookie_ = 0;
};

// The common-controls library that the manifest selects, loaded by name under the manifest's own context:
// whatever context the calling thread has active, and whether or not an import or another library has loaded
// one already. Without a manifest it is system32's.
UniqueModule LoadManifestCommonControls() noexcept {
  const ManifestContextActive active;
  return LoadSystemLibrary(L"comctl32.dll");
}

} // namespace

std::uint32_t Win32MajorVersion() noexcept {
  static const std::uint32_t major = ReadWindowsMajorVersion();
  return major;
}

FileVersion CommonControlsVersion() noexcept {
  // Kept loaded for the process's life, so that the library read is the one the program's boxes then use.
  static const UniqueModule commonControls = LoadManifestCommonControls();
  static const FileVersion version = ReadModuleFileVersion(commonControls.get());
  return version;
}
