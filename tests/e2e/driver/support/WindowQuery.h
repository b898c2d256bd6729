#pragma once
// What another process's windows look like from outside, through user32.

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "Geometry.h"

namespace e2e {

std::vector<HWND> TopLevelWindows(DWORD processId);
// Direct children, from the top of the z-order down.
std::vector<HWND> ChildrenInZOrder(HWND parent);
// The first visible top-level window of the process with that class, polled for until the timeout.
HWND WaitForVisibleWindow(DWORD processId, const std::wstring& className, std::chrono::milliseconds timeout);

std::wstring ClassName(HWND window);
// The system class a control is built on, also when it is registered under a name of its own.
std::wstring BaseClassName(HWND window);
std::wstring Text(HWND window);
DWORD ThreadOf(HWND window);

LONG_PTR Style(HWND window);
LONG_PTR ExStyle(HWND window);
bool HasStyle(HWND window, LONG_PTR bits);
bool HasExStyle(HWND window, LONG_PTR bits);
HWND Owner(HWND window);

Size ClientSize(HWND window);
Box BoxOf(const RECT& rect);
// The window's outer rectangle on the screen.
Box OuterBox(HWND window);
// The window's client area on the screen.
Box ClientOnScreen(HWND window);

// The full rectangle and the work area of a monitor.
struct MonitorAreas {
  Box monitor;
  Box work;
  friend bool operator==(const MonitorAreas&, const MonitorAreas&) = default;
};
// Of the monitor that holds the largest part of the window (the nearest one when none does).
MonitorAreas MonitorOf(HWND window);
// Of every monitor, the primary first.
std::vector<MonitorAreas> Monitors();
// The window's rectangle in its parent's client coordinates.
Box BoxInParent(HWND child);

// Whether the shell would give the window a taskbar button: visible, and either marked as an app window
// or neither owned nor a tool window.
bool HasTaskbarButton(HWND window);

// Focus and active window of the thread that owns `window`.
HWND FocusOfThread(HWND window);
HWND ActiveOfThread(HWND window);

// The window's visible children built on one system class (named in lower case), in z-order.
std::vector<HWND> VisibleChildren(HWND parent, std::wstring_view baseClass);

// The non-empty texts of those children, joined by " | ".
std::wstring ChildTexts(HWND parent, std::wstring_view baseClass);

} // namespace e2e
