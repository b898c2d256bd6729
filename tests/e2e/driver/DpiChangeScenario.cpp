#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "MainWindow.h"
#include "ProbeWindow.h"
#include "Scenarios.h"
#include "support/Closing.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

struct DpiCase {
  const char* name;
  std::wstring_view arguments;
  // Nothing: where the system puts the window.
  std::optional<Box> window;
  std::array<ButtonLayout, 2> buttons;
};

constexpr DpiCase cases[] = {
    // Without the message the window keeps its definition's layout, so the other case shows its effect.
    {"no change", L"", std::nullopt, {{{L"Raise", {24, 24, 120, 25}}, {L"Greet", {24, 64, 120, 25}}}}},
    // From 96 to 144 DPI in the suggested rectangle (200,150)-(900,650); 25 * 1.5 = 37.5 rounds up.
    {"96 to 144 DPI",
     L"--dpi-change",
     Box{200, 150, 700, 500},
     {{{L"Raise", {36, 36, 180, 38}}, {L"Greet", {36, 96, 180, 38}}}}},
};

void RunCase(Checker& check, const std::wstring& program, const DpiCase& dpiCase) {
  const Process process = Process::Launch(program, {SW_SHOWNORMAL, std::wstring(dpiCase.arguments)});
  const HWND mainWindow = RequireProbeWindow(check, process);
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
  if (dpiCase.window) {
    check.Equal(*dpiCase.window, WaitForValue(*dpiCase.window, stateTimeout, [&] { return OuterBox(mainWindow); }),
                "window rectangle on screen");
  }
  for (const ButtonLayout& button : dpiCase.buttons) {
    const Checker::Case buttonCase(check, ToUtf8(button.caption));
    check.Equal(button.box, BoxInParent(RequireChild(check, mainWindow, button.caption)), "place in the client area");
  }
  CheckClosesCleanly(check, process, mainWindow, exitTimeout);
}

} // namespace

void DpiChangeScenario(Checker& check, const std::wstring& program) {
  // Each case starts a process of its own.
  for (const DpiCase& dpiCase : cases) {
    check.RunCase(dpiCase.name, [&] { RunCase(check, program, dpiCase); });
  }
}

} // namespace e2e
