#pragma once
// Text conversions for the console report.

#include <string>
#include <string_view>

namespace e2e {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

// For names that match without regard to case: class names, file paths.
std::wstring Lowercase(std::wstring text);

// The message of a Win32 error code, with the code itself.
std::string DescribeError(unsigned long code);

} // namespace e2e
