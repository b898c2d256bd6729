#pragma once
// How long the driver waits for the program under test. Every wait polls and ends as soon as its condition
// holds, so a limit costs time only when something fails: the limits are wide enough for the slowest route
// the program is run by here (the 32-bit image under emulation on a loaded machine, where a start takes
// seconds and code runs slowly the first time it is reached) and only bound a hang.

#include <chrono>

namespace e2e {

using namespace std::chrono_literals;

// From the start of a process to its first window, and from a click to the window it opens.
inline constexpr std::chrono::milliseconds firstWindowTimeout = 120s;
// From an action to the state it leads to.
inline constexpr std::chrono::milliseconds stateTimeout = 30s;
// From closing the main window to the end of the process.
inline constexpr std::chrono::milliseconds exitTimeout = 60s;
// How long to watch for a window that must not come.
inline constexpr std::chrono::milliseconds absenceTimeout = 1s;

} // namespace e2e
