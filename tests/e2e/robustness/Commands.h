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

namespace robust {

using namespace std::chrono_literals;

// A cold Wine start takes seconds; a dialog's first opening may take as long.
inline constexpr std::chrono::milliseconds startTimeout = 30s;
inline constexpr std::chrono::milliseconds openTimeout = 30s;
inline constexpr std::chrono::milliseconds stateTimeout = 10s;
inline constexpr std::chrono::milliseconds exitTimeout = 20s;

// The system's dialogs (the task dialog, the file-open dialog) are of this class; the framework's message form,
// the greeting box where the common controls are older than version 6 (and under Wine, whose library reports
// 5.81), is not.
inline constexpr std::wstring_view dialogClass = L"#32770";

// The first visible top-level window of the process with that class; ends the scenario when none appears.
HWND RequireWindow(e2e::Checker& check, const e2e::Process& process, std::wstring_view windowClass);
// The direct child with that caption; ends the scenario when there is none.
HWND RequireChild(e2e::Checker& check, HWND parent, std::wstring_view caption);
// The process's visible top-level windows other than its main window: the boxes and dialogs it has open.
std::vector<HWND> OtherVisibleWindows(DWORD processId, HWND mainWindow);
// Whether one of the window's direct children shows that text.
bool HasChildWithText(HWND parent, std::wstring_view text);

e2e::Box OuterBox(HWND window);
e2e::Box MonitorBox(HWND window);

// What the fullscreen toggle changes and must give back.
struct FrameState {
  LONG_PTR style = 0;
  e2e::Box outer;
  bool zoomed = false;
  friend bool operator==(const FrameState&, const FrameState&) = default;
};
FrameState ReadFrame(HWND window);
std::string Describe(const FrameState& state);

// Two clicks on "Fullscreen": borderless over the monitor, then framed as `framed` again.
void FullscreenRoundTrip(e2e::Checker& check, HWND window, HWND button, const FrameState& framed);
// The greeting box reads "Alles klar" and closes by a click on its OK button.
void CloseGreetingBox(e2e::Checker& check, const e2e::Process& process, HWND window, HWND box);
// A click on the button opens the greeting box, which a click on its OK button closes. Returns the box's
// class, which tells the route the framework took.
std::wstring GreetingRoundTrip(e2e::Checker& check, const e2e::Process& process, HWND window, HWND button);
// A click on the button opens the file-open dialog, which a click on its Cancel button closes.
void FileDialogRoundTrip(e2e::Checker& check, const e2e::Process& process, HWND window, HWND button);

} // namespace robust
