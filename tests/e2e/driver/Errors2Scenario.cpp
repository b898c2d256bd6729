// On two monitors, the second left of the primary and lower, at negative coordinates: the test program's error
// box over a main window on the second monitor, with the hidden application window on that monitor while the
// box is open and back where it was afterwards.

#include <optional>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "ModalWindows.h"
#include "ProbeWindow.h"
#include "support/Closing.h"
#include "support/MessageBoxQuery.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

// The command runs again after its report is closed.
constexpr int rounds = 2;

} // namespace

void Errors2Scenario(Checker& check, const std::wstring& program) {
  const std::vector<MonitorAreas> monitors = RequireTwoMonitors(check);
  const MonitorAreas& second = monitors[1];
  // Wholly on the second monitor.
  constexpr Box place{-700, 200, 500, 400};
  check.RunCase("main window on the second monitor", [&] {
    const Process process = Process::Launch(program, {SW_SHOWNORMAL, L"\"--message=Integer overflow\""});
    const HWND mainWindow = RequireProbeWindow(check, process);
    check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
    RequireMovedTo(check, mainWindow, place);
    const HWND application = ApplicationWindow(process.Id());
    check.Require(true, application != nullptr, "the program has an application window");
    const Box applicationBefore = OuterBox(application);
    // Else the move to the owner's monitor could not be seen.
    check.Require(false, MonitorOf(application) == second, "the application window starts on the second monitor");

    const HWND raise = RequireChild(check, mainWindow, L"Raise");
    for (int round = 1; round <= rounds; ++round) {
      const Checker::Case roundCase(check, "click " + std::to_string(round));
      RequirePosted(check, raise, BM_CLICK, 0, 0, "click on Raise");
      const HWND box = RequireDialog(check, process, "the error box appears");
      check.Equal(mainWindow, Owner(box), "owner of the box");
      check.Equal(second.monitor, MonitorOf(application).monitor,
                  "monitor of the application window while the box is open");
      check.Equal(second.monitor, MonitorOf(box).monitor, "monitor of the box");
      check.Equal(std::optional<std::wstring>(L"Integer overflow."), MessageBoxText(box), "text of the box");
      const HWND ok = CheckErrorBoxControls(check, box);
      KeepXInputFocusOn(check, mainWindow);
      RequirePosted(check, ok, BM_CLICK, 0, 0, "click on OK");
      check.Require(true, WaitFor(stateTimeout, [&] { return IsWindow(box) == FALSE; }), "the box closes on OK");
      check.Equal(applicationBefore,
                  WaitForValue(applicationBefore, stateTimeout, [&] { return OuterBox(application); }),
                  "place of the application window after the box");
      CheckBackTo(check, mainWindow);
      check.Equal(place, OuterBox(mainWindow), "place of the main window after the box");
    }
    CheckClosesCleanly(check, process, mainWindow, exitTimeout);
  });
}

} // namespace e2e
