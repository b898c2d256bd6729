// The start-up show command, one process per command.

#include <optional>
#include <string>

#include "MainWindow.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

enum class Shown { normal, maximized, minimizedInactive };

struct ShowCase {
  const char* name;
  std::optional<WORD> showCommand;
  Shown expected;
};

constexpr ShowCase cases[] = {
    {"SW_SHOWNORMAL", SW_SHOWNORMAL, Shown::normal},
    {"SW_SHOWDEFAULT", SW_SHOWDEFAULT, Shown::normal},
    {"no STARTF_USESHOWWINDOW", std::nullopt, Shown::normal},
    {"SW_SHOWMAXIMIZED", SW_SHOWMAXIMIZED, Shown::maximized},
    {"SW_SHOWMINNOACTIVE", SW_SHOWMINNOACTIVE, Shown::minimizedInactive},
};

bool Zoomed(HWND window) { return IsZoomed(window) != FALSE; }
bool Iconic(HWND window) { return IsIconic(window) != FALSE; }

void RunCase(Checker& check, const std::wstring& program, const ShowCase& showCase) {
  const Process process = Process::Launch(program, {showCase.showCommand});
  const HWND mainWindow = RequireMainWindow(check, process);
  const bool zoomed = showCase.expected == Shown::maximized;
  const bool iconic = showCase.expected == Shown::minimizedInactive;
  // Waiting for the expected state first, then for the program to settle, catches a state that comes late
  // as well as one that is undone later.
  WaitForValue(zoomed, stateTimeout, [&] { return Zoomed(mainWindow); });
  WaitForValue(iconic, stateTimeout, [&] { return Iconic(mainWindow); });
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
  check.Equal(zoomed, Zoomed(mainWindow), "IsZoomed");
  check.Equal(iconic, Iconic(mainWindow), "IsIconic");
  check.Equal(true, static_cast<bool>(IsWindowVisible(mainWindow)), "IsWindowVisible");
  if (showCase.expected == Shown::minimizedInactive) {
    check.Equal(false, GetForegroundWindow() == mainWindow, "main window is the foreground window");
    check.Equal(false, ActiveOfThread(mainWindow) == mainWindow, "main window is its thread's active window");
  }
}

} // namespace

void ShowCommandScenario(Checker& check, const std::wstring& program) {
  for (const ShowCase& showCase : cases) {
    check.RunCase(showCase.name, [&] { RunCase(check, program, showCase); });
  }
}

} // namespace e2e
