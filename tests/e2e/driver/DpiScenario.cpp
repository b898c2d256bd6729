// The main window at each resolution: below 96, at 96 and at scale factors of 125, 150 and 175 %: class,
// caption, client size, buttons, z- and tab order, taskbar button and hidden application window.

#include <string>

#include "MainWindow.h"
#include "support/Closing.h"
#include "support/DpiSetting.h"

namespace e2e {

namespace {

struct ResolutionCase {
  DWORD dpi;
  const MainWindowLayout& layout;
};

// Below 96 the window keeps its designed lengths; 120 and 168 give products that are not whole numbers, so the
// frame that the outer size is computed for must be the one the window gets for the client area to come out exact.
constexpr ResolutionCase resolutions[] = {
    {72, layoutAt96}, {96, layoutAt96}, {120, layoutAt120}, {144, layoutAt144}, {168, layoutAt168},
};

} // namespace

void DpiScenario(Checker& check, const std::wstring& program) {
  for (const ResolutionCase& resolution : resolutions) {
    check.RunCase("at " + std::to_string(resolution.dpi) + " DPI", [&] {
      // New processes read the setting when they start; the driver keeps the resolution it started with. The
      // previous value comes back when the case ends, failed or not.
      const ScopedLogPixels dpi(resolution.dpi);
      const Process process = Process::Launch(program);
      const HWND mainWindow = RequireMainWindow(check, process);
      CheckMainWindow(check, process, mainWindow, resolution.layout);
      CheckClosesCleanly(check, process, mainWindow, exitTimeout);
    });
  }
}

} // namespace e2e
