#pragma once
// What the scenarios that drive the framework's test program know about it, and the checks of an error
// box that they share.

#include <windows.h>

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

} // namespace e2e
