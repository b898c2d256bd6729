#pragma once
// What the scenarios that drive the framework's test program know about it, and the checks of an error
// box that they share.

#include <windows.h>

#include <string>
#include <string_view>

#include "support/Check.h"
#include "support/Process.h"

namespace e2e {

inline constexpr std::wstring_view probeWindowClass = L"TProbeForm";
// The executable's file name without its extension, the first character kept and the rest lower case.
inline constexpr std::wstring_view probeTitle = L"pellacord-probe";
inline constexpr std::wstring_view probeModule = L"pellacord-probe.exe";

// The test program's main window once it is shown; ends the scenario when none appears in time.
HWND RequireProbeWindow(Checker& check, const Process& process);

// A visible dialog of the process once it appears; ends the scenario when none does in time.
HWND RequireDialog(Checker& check, const Process& process, std::string_view what);

// The error icon and exactly one button, "OK" with IDOK; returns that button, or ends the scenario when the
// box cannot be closed by it.
HWND CheckErrorBoxControls(Checker& check, HWND box);

// Clicks the test program's button with that caption (or its last report) and returns the report it writes into
// its caption, which begins with `caption` and a space; what the button shows instead when none comes in time.
std::wstring ClickForReport(Checker& check, HWND window, std::wstring_view caption);

} // namespace e2e
