#pragma once
// Text rules of the application object: its default title and the wording of error reports.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The part of a module path after its last "\\": the file name that the title and the start-up report use.
std::wstring_view FileNameFromPath(std::wstring_view path) noexcept;

// The executable's file name without directory, cut at its first ".", every character after the first
// lowered by `lower` (the system's own case mapping on Windows).
std::wstring DefaultTitleFromPath(std::wstring_view modulePath, void (*lower)(std::wstring&));

// An error message as the error box shows it: a "." is added unless the text is empty or its last character
// sorts at or below "." (so ".", "!", ")", a space or a control character end it already).
std::wstring WithClosingPeriod(std::wstring text);

// The text of the last-resort box of a start-up failure. `address` is already formatted.
std::wstring StartupErrorText(std::wstring_view className, std::wstring_view moduleName, std::wstring_view address,
                              std::wstring_view message);

// A code address as the start-up box prints it: upper-case hex, as many digits as a pointer has.
std::wstring FormatAddress(std::uintptr_t address, std::size_t pointerSize);
