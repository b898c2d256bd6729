// Class, caption, client size, buttons, z- and tab order, taskbar button and hidden application window.

#include "MainWindow.h"

namespace e2e {

void WindowScenario(Checker& check, const std::wstring& program) {
  const Process process = Process::Launch(program);
  const HWND mainWindow = RequireMainWindow(check, process);
  CheckMainWindow(check, process, mainWindow, layoutAt96);
}

} // namespace e2e
