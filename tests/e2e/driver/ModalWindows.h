#pragma once
// What the scenarios of the program's modal windows share: finding the window a command opened, and the
// state the command's window is left in once it has closed.

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/Check.h"
#include "support/Geometry.h"
#include "support/Process.h"
#include "support/WindowCensus.h"

namespace e2e {

// Where a window of that size is centred in the area, by integer division that truncates toward zero.
Box CentredIn(const RECT& area, const Box& window);

// The first window over the main window that the census finds, polled for until the timeout; ends the
// scenario when none appears.
HWND RequireOpened(Checker& check, WindowCensus& census, std::string_view what);

// Polls, sampling the census, until the window is destroyed; reports it when it is not.
void CheckClosed(Checker& check, WindowCensus& census, HWND window, std::string_view what);

// Posts a message to the program and ends the scenario when it cannot be posted. Posted, not sent: a sent
// click would not return while the modal window it opened is open.
void RequirePosted(Checker& check, HWND window, UINT message, WPARAM wParam, LPARAM lParam, std::string_view what);

// A user's clicks, through the display, on the centres of the main window's buttons with those captions
// while the modal window is open; ends the scenario when the modal window covers one. The program takes them
// in the order they were made, before a key pressed after them, but a message posted after them may overtake
// them.
void ClickButtonsBehind(Checker& check, HWND mainWindow, HWND modal, std::span<const std::wstring_view> captions);

// A picture of the screen under that name once the program has settled, so that it shows windows painted;
// nothing without a name. Its path is printed.
void SaveSettledScreenshot(const Process& process, const wchar_t* name);

// Gives the main window the X input focus before a box over it is closed by anything but a key, and waits
// until it has it. The program reads the X focus events of the box's opening late, now and then only after the
// box has closed: its X library can hold them while the box's loop runs. Wine then takes the main window's
// stale focus-out for a loss of the X focus and hands the foreground to the desktop, unless by then the X focus
// is on a window of Wine's. So the main window holds it, as a window manager gives it back. X focus alone does
// not activate a window under Wine: the foreground stays the program's to ask for.
void KeepXInputFocusOn(Checker& check, HWND mainWindow);

// The main window is enabled and active again, each polled for until the timeout.
void CheckBackTo(Checker& check, HWND window);

// The text a control of another process holds, asked of the control itself with WM_GETTEXT: an edit control
// keeps its text to itself, so GetWindowText from outside reads an empty caption.
std::wstring ControlText(HWND control);

// Wine's own file-open dialog: the caption it gives itself and its file-name field; Open and Cancel are IDOK
// and IDCANCEL.
inline constexpr std::wstring_view fileDialogCaption = L"Open";
inline constexpr int fileNameEditId = 1152;

// Sets the text of another process's control with WM_SETTEXT and reads it back; ends the scenario when the
// control does not take it.
void RequireTextSet(Checker& check, HWND control, const std::wstring& text);

} // namespace e2e
