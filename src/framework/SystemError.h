#pragma once
// The text of an EOSError: what failed, and why in the system's words.

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

// "<what>: <the system's message for code>", or the code in figures where the system has no text for it.
std::wstring OSErrorMessage(const std::wstring& what, DWORD code);

// Raises an EOSError for the calling thread's last error, which it reads before anything else runs, so that
// building the text cannot change it: "<what>: <the system's message>", `what` joined from its parts.
[[noreturn]] void RaiseLastOSError(std::initializer_list<std::wstring_view> what);
