#pragma once
// The X input focus of the session's display. Without a window manager, Wine moves it itself after Windows
// changed the active window, with an estimated timestamp that the X server now and then ignores on a loaded
// machine (more often with the emulated 32-bit image); a driver gives it as a window manager would.

#include <windows.h>

#include <cstdint>

namespace e2e {

// The X window that Wine's X11 driver made for a top-level window; 0 when it has none.
std::uintptr_t XWindowOf(HWND window);

// Gives the top-level window's X window the X input focus and waits until it has it; tells whether it arrived.
bool GiveXInputFocus(HWND window);

// Whether the top-level window's X window has the X input focus now.
bool HasXInputFocus(HWND window);

} // namespace e2e
