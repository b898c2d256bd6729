#pragma once
// Which image a scenario runs, from the executable's own header.

#include <string>

namespace e2e {

// For example "PE32+, x86-64"; throws when the file is not a PE image.
std::string DescribeImage(const std::wstring& path);

} // namespace e2e
