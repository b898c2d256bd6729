#include "MainWindow.h"

#include <vector>

#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

void CheckTopLevelWindows(Checker& check, const Process& process, HWND mainWindow) {
  std::vector<HWND> visible;
  std::vector<HWND> withTaskbarButton;
  std::vector<HWND> applicationWindows;
  for (HWND window : TopLevelWindows(process.Id())) {
    if (IsWindowVisible(window)) visible.push_back(window);
    if (HasTaskbarButton(window)) withTaskbarButton.push_back(window);
    if (ClassName(window) == applicationWindowClass) applicationWindows.push_back(window);
  }
  // No other form and no error box.
  check.Equal<std::size_t>(1, visible.size(), "number of visible top-level windows");
  check.Equal<std::size_t>(1, withTaskbarButton.size(), "number of windows with a taskbar button");
  if (withTaskbarButton.size() == 1) {
    check.Equal(mainWindow, withTaskbarButton.front(), "window with the taskbar button");
  }

  check.Equal(std::wstring(mainWindowCaption), Text(mainWindow), "caption of the main window");
  check.Equal<HWND>(nullptr, Owner(mainWindow), "owner of the main window");
  check.Equal(true, HasExStyle(mainWindow, WS_EX_APPWINDOW), "main window has WS_EX_APPWINDOW");
  check.Equal(false, HasExStyle(mainWindow, WS_EX_TOOLWINDOW), "main window has WS_EX_TOOLWINDOW");
  // A resizable frame with a caption, a system menu and both caption buttons.
  for (const auto& [bits, name] :
       {std::pair{LONG_PTR{WS_CAPTION}, "WS_CAPTION"}, std::pair{LONG_PTR{WS_THICKFRAME}, "WS_THICKFRAME"},
        std::pair{LONG_PTR{WS_SYSMENU}, "WS_SYSMENU"}, std::pair{LONG_PTR{WS_MINIMIZEBOX}, "WS_MINIMIZEBOX"},
        std::pair{LONG_PTR{WS_MAXIMIZEBOX}, "WS_MAXIMIZEBOX"}}) {
    check.Equal(true, HasStyle(mainWindow, bits), std::string("main window has ") + name);
  }

  check.Equal<std::size_t>(1, applicationWindows.size(), "number of hidden application windows");
  for (HWND application : applicationWindows) {
    check.Equal(false, static_cast<bool>(IsWindowVisible(application)), "application window is visible");
    check.Equal(true, HasExStyle(application, WS_EX_TOOLWINDOW), "application window has WS_EX_TOOLWINDOW");
    check.Equal(std::wstring(), Text(application), "text of the application window");
    check.Equal(ThreadOf(mainWindow), ThreadOf(application), "thread of the application window");
  }
}

void CheckButtons(Checker& check, HWND mainWindow, const MainWindowLayout& layout) {
  const std::vector<HWND> children = ChildrenInZOrder(mainWindow);
  check.Require(layout.buttons.size(), children.size(), "number of child windows of the main window");
  for (std::size_t i = 0; i < children.size(); ++i) {
    const HWND button = children[i];
    const ButtonLayout& expected = layout.buttons[i];
    const Checker::Case buttonCase(check, "child " + std::to_string(i) + " in z-order");
    check.Equal(std::wstring(expected.caption), Text(button), "caption");
    check.Equal(std::wstring(L"button"), Lowercase(BaseClassName(button)), "system class the control is built on");
    // The focused button is drawn as the default one.
    const LONG_PTR kind = Style(button) & BS_TYPEMASK;
    check.Equal(true, kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON, "has a push-button style");
    check.Equal(true, HasStyle(button, WS_TABSTOP), "is a tab stop");
    check.Equal(true, static_cast<bool>(IsWindowVisible(button)), "is visible");
    check.Equal(true, static_cast<bool>(IsWindowEnabled(button)), "is enabled");
    check.Equal(expected.box, BoxInParent(button), "place in the client area");
  }
  // Tab order, forwards and backwards, wrapping at both ends.
  const std::size_t count = children.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Checker::Case buttonCase(check, "tab from " + ToUtf8(Text(children[i])));
    check.Equal(children[(i + 1) % count], GetNextDlgTabItem(mainWindow, children[i], FALSE), "next tab stop");
    check.Equal(children[(i + count - 1) % count], GetNextDlgTabItem(mainWindow, children[i], TRUE),
                "previous tab stop");
  }
}

} // namespace

HWND RequireMainWindow(Checker& check, const Process& process) {
  const HWND window = WaitForVisibleWindow(process.Id(), std::wstring(mainWindowClass), firstWindowTimeout);
  if (window != nullptr) return window;
  const std::optional<DWORD> exitCode = process.ExitCode();
  check.Fail("a visible main window appears in time", "a visible window of class " + Describe(mainWindowClass),
             exitCode ? "none; the process exited with code " + std::to_string(*exitCode)
                      : "none; the process is still running");
  throw ScenarioAborted();
}

HWND RequireChild(Checker& check, HWND parent, std::wstring_view caption) {
  for (HWND child : ChildrenInZOrder(parent)) {
    if (Text(child) == caption) return child;
  }
  check.Fail("a child window with caption", Describe(caption), "none");
  throw ScenarioAborted();
}

HWND ApplicationWindow(DWORD processId) {
  for (HWND window : TopLevelWindows(processId)) {
    if (ClassName(window) == applicationWindowClass) return window;
  }
  return nullptr;
}

void RequireMovedTo(Checker& check, HWND window, const Box& place) {
  check.Require(true,
                SetWindowPos(window, nullptr, place.x, place.y, place.width, place.height,
                             SWP_NOZORDER | SWP_NOACTIVATE) != FALSE,
                "window moved from outside");
  check.Require(place, WaitForValue(place, stateTimeout, [&] { return OuterBox(window); }),
                "window's place after the move");
}

std::vector<MonitorAreas> RequireTwoMonitors(Checker& check) {
  const std::vector<MonitorAreas> monitors = Monitors();
  check.Require<std::size_t>(2, monitors.size(), "number of monitors");
  const Box& primary = monitors[0].monitor;
  const Box& second = monitors[1].monitor;
  check.Require(Box{0, 0, 1280, 1024}, primary, "the primary monitor");
  check.Require(true, second.x + second.width <= 0 && second.y > 0,
                "the second monitor is left of and below the primary");
  for (const MonitorAreas& monitor : monitors) {
    check.Require(false, monitor.work == monitor.monitor, "a monitor's work area equals the monitor");
  }
  return monitors;
}

void CheckMainWindow(Checker& check, const Process& process, HWND mainWindow, const MainWindowLayout& layout) {
  // Checks below read one moment; let the start-up finish first.
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
  CheckTopLevelWindows(check, process, mainWindow);
  check.Equal(layout.client, ClientSize(mainWindow), "client size of the main window");
  CheckButtons(check, mainWindow, layout);
}

} // namespace e2e
