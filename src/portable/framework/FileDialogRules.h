#pragma once
// The file dialog's rule that needs no Windows: which Windows it runs on.

#include <cstdint>
#include <string_view>

// Raises EPlatformVersionException "<className> requires Windows Vista or later" below Windows 6.
void CheckWindowsVistaOrLater(std::uint32_t windowsMajor, std::wstring_view className);
