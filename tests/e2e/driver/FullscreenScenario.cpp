// The fullscreen toggle from a normal window at several places, each in a process of its own and all in one,
// beneath another program's window, and closing while fullscreen.

#include <string>
#include <vector>

#include "FullscreenRounds.h"
#include "MainWindow.h"
#include "ModalWindows.h"
#include "support/Closing.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

// Where a case puts the window before its round.
enum class Place { asItIs, box, workArea, monitor };

struct StartCase {
  const char* name;
  Place place;
  // For Place::box; the session's screen is 1280x1024.
  Box box;
};

constexpr StartCase startCases[] = {
    {"as start-up placed it", Place::asItIs, {}},
    {"at (100, 80), 700x500", Place::box, {100, 80, 700, 500}},
    {"left and top edges off the screen", Place::box, {-150, -60, 700, 500}},
    {"across the right and bottom edges", Place::box, {900, 700, 700, 500}},
    {"wholly off the screen", Place::box, {1400, 1100, 400, 300}},
    // Fullscreen must still grow to the monitor, not stop at the work area.
    {"covering the work area", Place::workArea, {}},
    // Only the frame goes: the window already has the rectangle fullscreen gives it.
    {"already covering the monitor", Place::monitor, {}},
};

void PlaceWindow(Checker& check, const Process& process, HWND window, const StartCase& start) {
  if (start.place == Place::asItIs) return;
  const MonitorAreas areas = MonitorOf(window);
  RequireMovedTo(check, window,
                 start.place == Place::box        ? start.box
                 : start.place == Place::workArea ? areas.work
                                                  : areas.monitor);
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after the move");
}

struct BeneathCase {
  const char* name;
  // Whether the main window is the foreground window, with the other program's window above it nonetheless.
  bool mainActive;
};

constexpr BeneathCase beneathCases[] = {
    {"beneath another program's active window", false},
    {"active, beneath another program's window", true},
};

} // namespace

void FullscreenScenario(Checker& check, const std::wstring& program) {
  // Without it the cases could not tell the monitor from the work area.
  for (const MonitorAreas& areas : Monitors()) {
    check.Require(false, areas.monitor == areas.work, "the session's work area equals its monitor");
  }
  // Each case in a process of its own: its click is the first after start-up.
  for (const StartCase& start : startCases) {
    check.RunCase(start.name, [&] {
      const Process process = Process::Launch(program, {SW_SHOWNORMAL});
      const HWND window = StartProgram(check, process);
      PlaceWindow(check, process, window, start);
      RunRound(check, process, window);
    });
  }
  // The same places in one process, moved between rounds: each entry saves the rectangle afresh.
  check.RunCase("one process", [&] {
    const Process process = Process::Launch(program, {SW_SHOWNORMAL});
    const HWND window = StartProgram(check, process);
    for (const StartCase& start : startCases) {
      // Each round starts from a place of its own, so one that fails leaves the next to run.
      check.RunCase(start.name, [&] {
        PlaceWindow(check, process, window, start);
        RunRound(check, process, window);
      });
    }
  });
  // Another program's window above: the toggle neither raises the window nor activates it.
  for (const BeneathCase& beneath : beneathCases) {
    check.RunCase(beneath.name, [&] {
      // Two instances of the program; the one started later is shown above the other and active. Activating the
      // earlier one afterwards would raise it at a moment that Wine does not let the driver wait for.
      const Process first = Process::Launch(program, {SW_SHOWNORMAL});
      const HWND firstWindow = StartProgram(check, first);
      const Process second = Process::Launch(program, {SW_SHOWNORMAL});
      const HWND secondWindow = StartProgram(check, second);
      const Process& process = beneath.mainActive ? second : first;
      const HWND window = beneath.mainActive ? secondWindow : firstWindow;
      const HWND otherWindow = beneath.mainActive ? firstWindow : secondWindow;
      check.Require(secondWindow, WaitForValue(secondWindow, stateTimeout, [] { return GetForegroundWindow(); }),
                    "foreground window");
      if (beneath.mainActive) {
        check.Require(
            true, SetWindowPos(otherWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != FALSE,
            "SetWindowPos of the other window to the top");
      }
      check.Require(true, WaitFor(stateTimeout, [&] { return IsAbove(otherWindow, window); }),
                    "the other window is above the main window");
      check.Equal(true, first.WaitUntilIdle(stateTimeout), "first program becomes idle");
      check.Equal(true, second.WaitUntilIdle(stateTimeout), "second program becomes idle");
      RunRound(check, process, window, Click::notification);
    });
  }
  CloseWhileFullscreen(check, program, SW_SHOWNORMAL);
}

} // namespace e2e
