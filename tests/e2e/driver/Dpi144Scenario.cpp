// The same at 144 DPI.

#include "MainWindow.h"
#include "support/DpiSetting.h"

namespace e2e {

void Dpi144Scenario(Checker& check, const std::wstring& program) {
  // New processes read the setting when they start; the driver itself stays at the resolution it started with.
  const ScopedLogPixels dpi(144);
  const Process process = Process::Launch(program);
  const HWND mainWindow = RequireMainWindow(check, process);
  CheckMainWindow(check, process, mainWindow, layoutAt144);
}

} // namespace e2e
