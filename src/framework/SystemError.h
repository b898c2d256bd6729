#pragma once
// The text of an EOSError: what failed, and why in the system's words.

#include <windows.h>

#include <string>

// "<what>: <the system's message for code>", or the code in figures where the system has no text for it.
std::wstring OSErrorMessage(const std::wstring& what, DWORD code);
