// The test program: the window and its buttons after a DPI change.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "MainWindow.h"
#include "ModalWindows.h"
#include "ProbeWindow.h"
#include "support/Closing.h"
#include "support/DpiSetting.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

struct DpiCase {
  const char* name;
  DWORD startDpi;
  std::wstring_view arguments;
  // Nothing: where the system puts the window.
  std::optional<Box> window;
  // Nothing: what the suggested rectangle leaves inside the frame.
  std::optional<Size> client;
  std::array<ButtonLayout, 2> buttons;
  // What the test program reports of its controls' font: the definition's -12 scaled.
  std::wstring_view font;
};

// The test program's definition: a client area of 320 x 200, buttons of 120 x 25 at (24, 24) and (24, 64).
constexpr DpiCase cases[] = {
    // Without the message the window keeps its definition's layout, so the change case shows its effect.
    {"no change",
     96,
     L"",
     std::nullopt,
     Size{320, 200},
     {{{L"Raise", {24, 24, 120, 25}}, {L"Greet", {24, 64, 120, 25}}}},
     L"Font -12"},
    // Below the design resolution nothing is scaled, the font neither.
    {"created at 72 DPI",
     72,
     L"",
     std::nullopt,
     Size{320, 200},
     {{{L"Raise", {24, 24, 120, 25}}, {L"Greet", {24, 64, 120, 25}}}},
     L"Font -12"},
    // 25 * 1.25 = 31.25 rounds down.
    {"created at 120 DPI",
     120,
     L"",
     std::nullopt,
     Size{400, 250},
     {{{L"Raise", {30, 30, 150, 31}}, {L"Greet", {30, 80, 150, 31}}}},
     L"Font -15"},
    {"created at 144 DPI",
     144,
     L"",
     std::nullopt,
     Size{480, 300},
     {{{L"Raise", {36, 36, 180, 38}}, {L"Greet", {36, 96, 180, 38}}}},
     L"Font -18"},
    // 25 * 1.75 = 43.75 rounds up.
    {"created at 168 DPI",
     168,
     L"",
     std::nullopt,
     Size{560, 350},
     {{{L"Raise", {42, 42, 210, 44}}, {L"Greet", {42, 112, 210, 44}}}},
     L"Font -21"},
    // From 96 to 144 DPI in the suggested rectangle (200,150)-(900,650); 25 * 1.5 = 37.5 rounds up.
    {"96 to 144 DPI",
     96,
     L"--dpi-change",
     Box{200, 150, 700, 500},
     std::nullopt,
     {{{L"Raise", {36, 36, 180, 38}}, {L"Greet", {36, 96, 180, 38}}}},
     L"Font -18"},
    // Below 96 DPI the layout is the design's, so a change to 96 leaves it; the frame still changes with the
    // window's DPI, and only the suggested rectangle keeps the client area as it was.
    {"72 to 96 DPI",
     72,
     L"--dpi-change=96",
     Box{200, 150, 700, 500},
     std::nullopt,
     {{{L"Raise", {24, 24, 120, 25}}, {L"Greet", {24, 64, 120, 25}}}},
     L"Font -12"},
};

// The window's answer to WM_GETDPISCALEDSIZE for a client area of `client` at `fromDpi`, asked for `toDpi`.
struct ScaledSizeCase {
  const char* name;
  DWORD fromDpi;
  Size client;
  DWORD toDpi;
  // The client size that the answer must hold: `client` scaled, rounded to the nearest pixel.
  Size scaledClient;
};

// The main program's client areas: 441 * 1.5 = 661.5 rounds up, 662 / 1.5 = 441.3 down, 441 * 1.25 = 551.25
// down, 441 * 1.75 = 771.75 up. Below 96 DPI the layout is the design's, so it scales from 96.
constexpr ScaledSizeCase scaledSizeCases[] = {
    {"96 to 144 DPI", 96, {624, 441}, 144, {936, 662}},    {"144 to 96 DPI", 144, {936, 662}, 96, {624, 441}},
    {"96 to 120 DPI", 96, {624, 441}, 120, {780, 551}},    {"96 to 168 DPI", 96, {624, 441}, 168, {1092, 772}},
    {"168 to 120 DPI", 168, {1092, 772}, 120, {780, 551}}, {"72 to 144 DPI", 72, {624, 441}, 144, {936, 662}},
};

void RunCase(Checker& check, const std::wstring& program, const DpiCase& dpiCase) {
  const ScopedLogPixels dpi(dpiCase.startDpi);
  const Process process = Process::Launch(program, {SW_SHOWNORMAL, std::wstring(dpiCase.arguments)});
  const HWND mainWindow = RequireProbeWindow(check, process);
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
  if (dpiCase.window) {
    check.Equal(*dpiCase.window, WaitForValue(*dpiCase.window, stateTimeout, [&] { return OuterBox(mainWindow); }),
                "window rectangle on screen");
  }
  if (dpiCase.client) check.Equal(*dpiCase.client, ClientSize(mainWindow), "client size");
  for (const ButtonLayout& button : dpiCase.buttons) {
    const Checker::Case buttonCase(check, ToUtf8(button.caption));
    check.Equal(button.box, BoxInParent(RequireChild(check, mainWindow, button.caption)), "place in the client area");
  }
  check.Equal(std::wstring(dpiCase.font), ClickForReport(check, mainWindow, L"Font"), "font height of the controls");
  CheckClosesCleanly(check, process, mainWindow, exitTimeout);
}

// The outer size of a window of that style whose client area has the given size at that resolution.
Size OuterSize(HWND window, Size client, DWORD dpi) {
  RECT outer{0, 0, client.width, client.height};
  AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(Style(window)), FALSE, static_cast<DWORD>(ExStyle(window)), dpi);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

void RunScaledSizeCase(Checker& check, const std::wstring& program, const ScaledSizeCase& sizeCase) {
  const ScopedLogPixels dpi(sizeCase.fromDpi);
  const Process process = Process::Launch(program, {SW_SHOWNORMAL, L"--scaled-dpi=" + std::to_wstring(sizeCase.toDpi)});
  const HWND mainWindow = RequireProbeWindow(check, process);
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
  // The user's size, not the definition's: the answer must start from the client area as it is.
  const Size outer = OuterSize(mainWindow, sizeCase.client, sizeCase.fromDpi);
  SetWindowPos(mainWindow, nullptr, 0, 0, outer.width, outer.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  check.Require(sizeCase.client, WaitForValue(sizeCase.client, stateTimeout, [&] { return ClientSize(mainWindow); }),
                "client size before the question");
  const Size expected = OuterSize(mainWindow, sizeCase.scaledClient, sizeCase.toDpi);
  check.Equal(L"Scaled " + std::to_wstring(expected.width) + L"x" + std::to_wstring(expected.height),
              ClickForReport(check, mainWindow, L"Scaled"), "answer to WM_GETDPISCALEDSIZE");
  CheckClosesCleanly(check, process, mainWindow, exitTimeout);
}

} // namespace

void DpiChangeScenario(Checker& check, const std::wstring& program) {
  // Each case starts a process of its own.
  for (const DpiCase& dpiCase : cases) {
    check.RunCase(dpiCase.name, [&] { RunCase(check, program, dpiCase); });
  }
  for (const ScaledSizeCase& sizeCase : scaledSizeCases) {
    check.RunCase(std::string("scaled size ") + sizeCase.name, [&] { RunScaledSizeCase(check, program, sizeCase); });
  }
}

} // namespace e2e
