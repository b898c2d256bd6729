#include <string>

#include "MainWindow.h"
#include "Scenarios.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowKeys.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

struct KeyStep {
  const wchar_t* keys;
  std::wstring_view focusAfter;
};

// Round the ring forwards, then backwards, so both wraps are crossed.
constexpr KeyStep steps[] = {
    {L"Tab", L"File-Dlg"},         {L"Tab", L"Fullscreen"},     {L"Tab", L"Hallo?"},
    {L"shift+Tab", L"Fullscreen"}, {L"shift+Tab", L"File-Dlg"}, {L"shift+Tab", L"Hallo?"},
};

} // namespace

void FocusScenario(Checker& check, const std::wstring& program) {
  const Process process = Process::Launch(program, {SW_SHOWNORMAL});
  const HWND mainWindow = RequireMainWindow(check, process);
  const HWND first = RequireChild(check, mainWindow, L"Hallo?");

  const auto active = [&] { return ActiveOfThread(mainWindow); };
  const auto focus = [&] { return FocusOfThread(mainWindow); };

  check.Require(mainWindow, WaitForValue(mainWindow, stateTimeout, active), "active window after start-up");
  check.Require(first, WaitForValue(first, stateTimeout, focus), "focus once the main window is active");
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");

  for (const KeyStep& step : steps) {
    const HWND expected = RequireChild(check, mainWindow, step.focusAfter);
    PressKeysIn(mainWindow, step.keys);
    // A step that misses leaves the focus elsewhere, and every later step would fail for the same reason.
    check.Require(expected, WaitForValue(expected, stateTimeout, focus), "focus after " + ToUtf8(step.keys));
  }
}

} // namespace e2e
