#pragma once
// Facts about the system that the framework reads once and keeps.

#include <cstdint>

// The major version of Windows itself, whatever the image's compatibility section makes other calls report.
std::uint32_t Win32MajorVersion() noexcept;

struct FileVersion {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

// The file version of the common-controls library that the image's manifest selects (the side-by-side version 6
// one when it asks for it), which this loads and keeps loaded; zeros when it cannot be read.
FileVersion CommonControlsVersion() noexcept;
