#pragma once
// Versions of the system libraries that another process has loaded.

#include <windows.h>

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

struct ModuleVersion {
  unsigned major = 0;
  unsigned minor = 0;
  friend auto operator<=>(const ModuleVersion&, const ModuleVersion&) = default;
};

inline std::string Describe(const ModuleVersion& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor);
}

// The full paths of the images of that file name (compared without regard to case; every image when the name
// is empty) that the process has mapped, in address order. Read from the process's memory map rather than its loader's
// list: another process's memory cannot be read when it is a 32-bit one run under emulation, but its map can be asked
// for. The process handle needs PROCESS_QUERY_INFORMATION.
std::vector<std::wstring> LoadedModulePaths(HANDLE process, std::wstring_view fileName);

// The major and minor file version of the file, from its version resource; nothing when it has none.
std::optional<ModuleVersion> FileVersionOf(const std::wstring& path);

} // namespace e2e
