#pragma once
// Driving the program's commands from outside, each to its end: a click, the window it opens, the click that
// closes it, and the main window taking input again. Each step is polled for and ends the scenario when it
// does not come, since every later step would wait for it too.

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "support/Check.h"
#include "support/Closing.h"
#include "support/Geometry.h"
#include "support/Process.h"
#include "support/Timeouts.h"
#include "support/WindowCensus.h"

namespace e2e {

// The first visible top-level window of the process with that class; ends the scenario when none appears.
HWND RequireWindow(Checker& check, const Process& process, std::wstring_view windowClass);
// The process's visible top-level windows other than its main window: the boxes and dialogs it has open.
std::vector<HWND> OtherVisibleWindows(DWORD processId, HWND mainWindow);
// Whether one of the window's direct children shows that text.
bool HasChildWithText(HWND parent, std::wstring_view text);

// What the fullscreen toggle changes and must give back.
struct FrameState {
  LONG_PTR style = 0;
  Box outer;
  bool zoomed = false;
  friend bool operator==(const FrameState&, const FrameState&) = default;
};
FrameState ReadFrame(HWND window);
std::string Describe(const FrameState& state);

// Two clicks on "Fullscreen": borderless over the monitor, then framed as `framed` again.
void FullscreenRoundTrip(Checker& check, HWND window, HWND button, const FrameState& framed);
// The greeting box reads "Alles klar" and closes by a click on its OK button; the census is the one that saw
// it open.
void CloseGreetingBox(Checker& check, WindowCensus& opened, HWND window, HWND box);
// A click on the button opens the greeting box, which a click on its OK button closes. Returns the box's
// class, which tells the route the framework took.
std::wstring GreetingRoundTrip(Checker& check, const Process& process, HWND window, HWND button);
// A click on the button opens the file-open dialog, which a click on its Cancel button closes.
void FileDialogRoundTrip(Checker& check, const Process& process, HWND window, HWND button);

} // namespace e2e
