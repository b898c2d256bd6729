#pragma once
// The fullscreen toggle's round trip that the fullscreen scenarios share: a click into the fullscreen state
// and one back, each checked against the state it must reach, with everything else as it was.

#include <windows.h>

#include <optional>

#include "support/Check.h"
#include "support/Geometry.h"
#include "support/Process.h"

namespace e2e {

// How a click reaches the program. Both are posted: a click is handled inside the program's loop, as a user's is.
enum class Click {
  // The button pressed and released, as by the mouse. The press activates the window and, under Wine, raises
  // it, as a user's press does; what the command does to activation and z-order is then hidden.
  press,
  // Only the notification that the button sends its parent once clicked.
  notification,
};

// The program's main window once it is shown and the program idle.
HWND StartProgram(Checker& check, const Process& process);

// Into the fullscreen state and back, from the framed state the window is in. Fullscreen covers the monitor
// that holds the larger part of the window: `expectedMonitor`, where the case names it.
void RunRound(Checker& check, const Process& process, HWND window, Click click = Click::press,
              std::optional<Box> expectedMonitor = std::nullopt);

// A case of its own: the program started with that show command, made fullscreen and closed, which ends the
// process cleanly.
void CloseWhileFullscreen(Checker& check, const std::wstring& program, WORD showCommand);

// Whether `upper` is above `lower` in the z-order of top-level windows.
bool IsAbove(HWND upper, HWND lower);

} // namespace e2e
