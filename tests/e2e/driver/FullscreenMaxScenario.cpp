// The fullscreen toggle from a window maximized at start-up: twice in one process, and closing while
// fullscreen.

#include <string>
#include <vector>

#include "FullscreenRounds.h"
#include "MainWindow.h"
#include "ModalWindows.h"
#include "support/Closing.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

void FullscreenMaxScenario(Checker& check, const std::wstring& program) {
  check.RunCase("maximized at start-up", [&] {
    const Process process = Process::Launch(program, {SW_SHOWMAXIMIZED});
    const HWND window = RequireMainWindow(check, process);
    check.Require(true, WaitForValue(true, stateTimeout, [&] { return IsZoomed(window) != FALSE; }),
                  "IsZoomed after start-up");
    check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
    // The second round starts from the place the first left: maximized over the whole monitor.
    for (const char* round : {"first round", "second round"}) {
      const Checker::Case named(check, round);
      RunRound(check, process, window);
    }
  });
  CloseWhileFullscreen(check, program, SW_SHOWMAXIMIZED);
}

} // namespace e2e
