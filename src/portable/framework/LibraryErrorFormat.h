#pragma once
// The library's formatted error texts filled in, into a buffer of the caller's: the throw helper that formats
// has nothing else to put them in. Plain C++ with no inline code, so that it links beside link-time code.

#include <cstdarg>
#include <cstddef>

// Writes the format as the library means it into `buffer`, cut to fit and always terminated: "%s" takes a
// text, "%zu" a size, "%%" is a percent sign; anything else stands as it is. Returns the length written.
std::size_t FormatLibraryErrorText(char* buffer, std::size_t size, const char* format, std::va_list arguments) noexcept;
