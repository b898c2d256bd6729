#pragma once
// What an executable file carries, read from its PE headers without loading it: the benchmark reports the
// shipped image's size and checks that it needs no library beside it.

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct ImageFile {
  std::uint64_t fileSize = 0;
  // For example "32-bit (x86)".
  std::string build;
  // Raw size of the resource section: icon, manifest, version block, window definition.
  std::uint64_t resourceBytes = 0;
  // The libraries the loader resolves at start, as named.
  std::vector<std::wstring> imports;
  // Those resolved on first use.
  std::vector<std::wstring> delayedImports;
};

// Throws when the file cannot be read or is not a PE image.
ImageFile ReadImageFile(const std::wstring& path);

// The libraries that sit in the same folder as the file.
std::vector<std::wstring> LibrariesBeside(const std::wstring& path);

// Whether a library of that name is in the system directory of either bitness.
bool IsSystemLibrary(const std::wstring& name);

} // namespace bench
