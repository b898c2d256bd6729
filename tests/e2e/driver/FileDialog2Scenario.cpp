// On two monitors, the second left of the primary and lower: the file-open dialog opened from a main window on
// the second monitor.

#include <string>
#include <vector>

#include "FileDialogRounds.h"
#include "MainWindow.h"
#include "support/Closing.h"
#include "support/TemporaryFolder.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

void FileDialog2Scenario(Checker& check, const std::wstring& program) {
  const std::vector<MonitorAreas> monitors = RequireTwoMonitors(check);
  // Wholly on the second monitor.
  constexpr Box place{-700, 200, 500, 400};
  check.RunCase("main window on the second monitor", [&] {
    const Process process = Process::Launch(program, {SW_SHOWNORMAL});
    const HWND mainWindow = RequireMainWindow(check, process);
    check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
    RequireMovedTo(check, mainWindow, place);
    check.Require(monitors[1].monitor, MonitorOf(mainWindow).monitor, "monitor of the main window");
    for (const Round& round :
         {Round{"Cancel button", NameShown::empty, Ending::cancelButton, L"file-dialog-second-monitor"},
          Round{"IDCANCEL", NameShown::empty, Ending::cancelCommand, nullptr}}) {
      RunRound(check, process, mainWindow, round, Names{});
    }
    CheckClosesCleanly(check, process, mainWindow, exitTimeout);
  });
}

} // namespace e2e
