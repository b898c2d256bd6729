#pragma once
// Numbers in error texts, written out by hand: the C library's formatting would weigh more in the image than
// everything that uses it.

#include <cstdint>
#include <string>

// The value in decimal digits, without sign or separators.
std::wstring DecimalText(std::uint32_t value);
