// WM_CLOSE ends the process with exit code 0.

#include <optional>

#include "MainWindow.h"
#include "support/Closing.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

struct CloseCase {
  const char* name;
  WORD showCommand;
};

// The window is closed from each state that start-up can leave it in.
constexpr CloseCase cases[] = {
    {"normal", SW_SHOWNORMAL},
    {"maximized", SW_SHOWMAXIMIZED},
    {"minimized", SW_SHOWMINNOACTIVE},
};

} // namespace

void CloseScenario(Checker& check, const std::wstring& program) {
  for (const CloseCase& closeCase : cases) {
    check.RunCase(closeCase.name, [&] {
      const Process process = Process::Launch(program, {closeCase.showCommand});
      const HWND mainWindow = RequireMainWindow(check, process);
      check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
      CheckClosesCleanly(check, process, mainWindow, exitTimeout);
    });
  }
}

} // namespace e2e
