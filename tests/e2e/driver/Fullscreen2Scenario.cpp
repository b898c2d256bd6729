// On two monitors, the second left of the primary and lower, at negative coordinates: fullscreen from a window
// on the second monitor, across both (each way) and maximized on the second.

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

// Where a window starts on the two monitors, and the monitor its fullscreen state must cover.
struct TwoMonitorCase {
  const char* name;
  Box box;
  // Index into Monitors(): 0 the primary, 1 the second.
  std::size_t monitor;
  // Maximized there before the round.
  bool maximized;
};

// The primary is (0,0)-(1280,1024); the second (-800,100)-(0,700), left of it and lower.
constexpr TwoMonitorCase twoMonitorCases[] = {
    {"wholly on the second monitor", {-700, 150, 500, 400}, 1, false},
    {"across both, the larger part on the primary", {-200, 200, 700, 400}, 0, false},
    {"across both, the larger part on the second", {-600, 200, 700, 400}, 1, false},
    {"maximized on the second monitor", {-700, 150, 500, 400}, 1, true},
};

} // namespace

void Fullscreen2Scenario(Checker& check, const std::wstring& program) {
  const std::vector<MonitorAreas> monitors = RequireTwoMonitors(check);
  for (const TwoMonitorCase& twoCase : twoMonitorCases) {
    check.RunCase(twoCase.name, [&] {
      const Process process = Process::Launch(program, {SW_SHOWNORMAL});
      const HWND window = StartProgram(check, process);
      RequireMovedTo(check, window, twoCase.box);
      if (twoCase.maximized) {
        RequirePosted(check, window, WM_SYSCOMMAND, SC_MAXIMIZE, 0, "SC_MAXIMIZE");
        check.Require(true, WaitForValue(true, stateTimeout, [&] { return IsZoomed(window) != FALSE; }),
                      "IsZoomed after SC_MAXIMIZE");
        // Maximized over the work area of the monitor it was on.
        check.Require(monitors[twoCase.monitor].monitor, MonitorOf(window).monitor, "monitor of the maximized window");
      }
      check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after the move");
      RunRound(check, process, window, Click::press, monitors[twoCase.monitor].monitor);
      CheckClosesCleanly(check, process, window, exitTimeout);
    });
  }
}

} // namespace e2e
