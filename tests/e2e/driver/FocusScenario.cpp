// First focus, and Tab and Shift+Tab by real key presses.

#include <optional>
#include <string>

#include "MainWindow.h"
#include "support/Closing.h"
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

// The UISF_ flags the window reports; nothing when it does not answer.
std::optional<LRESULT> UiState(HWND window) {
  DWORD_PTR state = 0;
  if (!SendMessageTimeoutW(window, WM_QUERYUISTATE, 0, 0, SMTO_ABORTIFHUNG, 5000, &state)) return std::nullopt;
  return static_cast<LRESULT>(state);
}

// Whether the window hides the given cues, polled for until it does as expected.
bool Hides(HWND window, LRESULT cues, bool expected) {
  const auto hides = [&] {
    const std::optional<LRESULT> state = UiState(window);
    return state && (*state & cues) == cues;
  };
  return WaitForValue(expected, stateTimeout, hides);
}

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
    // Wine shows every cue always and answers no hidden state, so this holds there whatever the program does;
    // the test program's own record shows that the keys ask for the cues.
    const Checker::Case named(check, "after " + ToUtf8(step.keys));
    check.Equal(false, Hides(mainWindow, UISF_HIDEFOCUS, false), "main window hides focus rectangles");
    check.Equal(false, Hides(expected, UISF_HIDEFOCUS, false), "focused button hides its focus rectangle");
  }
}

} // namespace e2e
