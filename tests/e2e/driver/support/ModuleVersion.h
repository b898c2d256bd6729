#pragma once
// Versions of the system libraries that another process has loaded.

#include <windows.h>

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace e2e {

struct ModuleVersion {
  unsigned major = 0;
  unsigned minor = 0;
  friend auto operator<=>(const ModuleVersion&, const ModuleVersion&) = default;
};

inline std::string Describe(const ModuleVersion& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor);
}

// The major and minor file version of the module of that file name (compared without regard to case) that
// the process has loaded, from the file's version resource; nothing when the process has not loaded it or
// the file has no version. The process handle needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ.
std::optional<ModuleVersion> LoadedModuleVersion(HANDLE process, std::wstring_view fileName);

} // namespace e2e
