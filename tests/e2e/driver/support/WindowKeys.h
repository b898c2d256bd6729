#pragma once
// Real key presses into one given window of the program, through the X server that Wine draws on.

#include <windows.h>

#include <string>

namespace e2e {

// Presses a key combination in xdotool's notation ("Return", "ctrl+c") in the top-level window: gives the
// window's X window the input focus first, as a window manager gives it to the active window, waits until it
// has it, and returns when xdotool has sent the keys. Wine moves the X focus to a window the program activates
// only with an estimated timestamp, which the X server ignores now and then on a loaded machine; and two
// windows may share a caption, so the window is named by its handle. Throws when the keys cannot be pressed.
void PressKeysIn(HWND window, const std::wstring& keys);

} // namespace e2e
