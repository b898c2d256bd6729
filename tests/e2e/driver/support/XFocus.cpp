#include "XFocus.h"

#include <chrono>
#include <string>

#include "HostCommand.h"

namespace e2e {

namespace {

// Where Wine's X11 driver keeps the X window of a top-level window; properties are readable from any process.
constexpr wchar_t xWindowProperty[] = L"__wine_x11_whole_window";

// Each shell has its own limit, so that it ends, and reports, before the driver stops waiting.
constexpr wchar_t focusShell[] = LR"(timeout 5 xdotool windowfocus --sync "$1")";
constexpr wchar_t hasFocusShell[] = LR"sh([ "$(timeout 5 xdotool getwindowfocus)" = "$1" ])sh";

// Runs the shell with the window's X window as its argument; true when it has one and the shell succeeds.
bool SucceedsOnXWindow(const wchar_t* shell, HWND window) {
  const std::uintptr_t xWindow = XWindowOf(window);
  return xWindow != 0 &&
         RunHostCommand({L"/bin/sh", L"-c", shell, L"sh", std::to_wstring(xWindow)}, std::chrono::seconds(15)) == 0;
}

} // namespace

std::uintptr_t XWindowOf(HWND window) { return reinterpret_cast<std::uintptr_t>(GetPropW(window, xWindowProperty)); }

bool GiveXInputFocus(HWND window) { return SucceedsOnXWindow(focusShell, window); }

bool HasXInputFocus(HWND window) { return SucceedsOnXWindow(hasFocusShell, window); }

} // namespace e2e
