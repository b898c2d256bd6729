#pragma once
// The scenarios, each run by its name as the driver's first argument.

#include <string>

#include "support/Check.h"

namespace e2e {

// Class, caption, client size, buttons, z- and tab order, taskbar button and hidden application window.
void WindowScenario(Checker& check, const std::wstring& program);
// The same at each resolution: below 96, at 96 and at scale factors of 125, 150 and 175 %.
void DpiScenario(Checker& check, const std::wstring& program);
// The start-up show command, one process per command.
void ShowCommandScenario(Checker& check, const std::wstring& program);
// First focus, and Tab and Shift+Tab by real key presses.
void FocusScenario(Checker& check, const std::wstring& program);
// WM_CLOSE ends the process with exit code 0.
void CloseScenario(Checker& check, const std::wstring& program);
// The fullscreen toggle from a normal window at several places, in rounds, and closing while fullscreen.
void FullscreenScenario(Checker& check, const std::wstring& program);
// The fullscreen toggle from a window maximized at start-up.
void FullscreenMaximizedScenario(Checker& check, const std::wstring& program);
// The greeting box opened by a click and closed by messages, also with the main window moved.
void GreetingScenario(Checker& check, const std::wstring& program);
// The test program's record of the keyboard cues its window was asked to show, before and after Tab.
void FocusCuesScenario(Checker& check, const std::wstring& program);
// The greeting box opened and closed by real key presses.
void GreetingKeysScenario(Checker& check, const std::wstring& program);
// The framework's message form, forced in its test program: contents, place, keys, clipboard.
void MessageFormScenario(Checker& check, const std::wstring& program);
// The task dialog, forced in the test program: contents, owner, place on the work area, ways to close it.
void TaskDialogScenario(Checker& check, const std::wstring& program);
// The file-open dialog: owner, cancel, a confirmed file offered again.
void FileDialogScenario(Checker& check, const std::wstring& program);

// The framework's test program: the error report of a failed command, table-driven over messages, with
// the mouse capture cancelled and a silent abort.
void ErrorReportScenario(Checker& check, const std::wstring& program);
// The test program: the box of a failed start-up and exit code 1.
void StartupFailureScenario(Checker& check, const std::wstring& program);
// The test program: the window and its buttons after a DPI change.
void DpiChangeScenario(Checker& check, const std::wstring& program);
// With another program's window behind the program, the main window is the foreground and active window again
// after the file dialog (cancelled and confirmed) and the greeting box.
void ForegroundScenario(Checker& check, const std::wstring& program);
// The same after the test program's error box.
void ForegroundErrorScenario(Checker& check, const std::wstring& program);

// On two monitors, the second left of the primary and lower, at negative coordinates:
// fullscreen from a window on the second monitor, across both (each way) and maximized on the second;
void FullscreenTwoMonitorsScenario(Checker& check, const std::wstring& program);
// the greeting box of a main window on the second monitor, also while fullscreen there;
void GreetingTwoMonitorsScenario(Checker& check, const std::wstring& program);
// the test program's error box over a main window on the second monitor, with the hidden application window
// on that monitor while the box is open and back where it was afterwards;
void ErrorReportTwoMonitorsScenario(Checker& check, const std::wstring& program);
// the file-open dialog opened from the second monitor.
void FileDialogTwoMonitorsScenario(Checker& check, const std::wstring& program);

// Long and hostile runs. In one process of the program: 500 fullscreen round trips, 200 greeting boxes and 100
// file dialogs, after which the window is as it was and the process holds no more than after the first tenth.
void SoakScenario(Checker& check, const std::wstring& program);
// A copy of the program beside a planted library under system libraries' names (shcore.dll, which the program
// loads itself, and others the system loads for it): the program works and never loads one.
void LibrarySearchScenario(Checker& check, const std::wstring& program, const std::wstring& planted);
// The framework's test program with failures injected into its commands: no file-dialog object, and no dialog
// window can be made; each command ends without a crash or a message and the program goes on.
void FailureScenario(Checker& check, const std::wstring& probe);

} // namespace e2e
