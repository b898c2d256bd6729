#pragma once
// The X input focus of the session's display, which Wine moves on its own after Windows changed the active
// window.

#include <chrono>
#include <string>

namespace e2e {

// Polls until the X input focus is on the top-level window with that name (its caption), and tells whether
// it arrived before the timeout.
bool WaitForXInputFocus(const std::wstring& windowName, std::chrono::milliseconds timeout);

} // namespace e2e
