#include <windows.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "ModalWindows.h"
#include "Scenarios.h"
#include "support/Closing.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

struct StyleBit {
  DWORD bit;
  const wchar_t* name;
};

// The bits a change of frame may touch. WS_CAPTION is named by its two halves, so that a frame left with
// only one of them shows.
constexpr StyleBit frameBits[] = {
    {WS_POPUP, L"WS_POPUP"},
    {WS_BORDER, L"WS_BORDER"},
    {WS_DLGFRAME, L"WS_DLGFRAME"},
    {WS_THICKFRAME, L"WS_THICKFRAME"},
    {WS_SYSMENU, L"WS_SYSMENU"},
    {WS_MINIMIZEBOX, L"WS_MINIMIZEBOX"},
    {WS_MAXIMIZEBOX, L"WS_MAXIMIZEBOX"},
    {DS_MODALFRAME, L"DS_MODALFRAME"},
};

constexpr DWORD frameMask = [] {
  DWORD mask = 0;
  for (const StyleBit& style : frameBits) mask |= style.bit;
  return mask;
}();

constexpr DWORD fullscreenFrame = WS_POPUP;
constexpr DWORD sizeableFrame = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

std::wstring FrameNames(DWORD style) {
  std::wstring names;
  for (const StyleBit& frame : frameBits) {
    if ((style & frame.bit) == 0) continue;
    if (!names.empty()) names += L" | ";
    names += frame.name;
  }
  return names.empty() ? L"none" : names;
}

std::wstring Hex(DWORD value) {
  std::wostringstream out;
  out << L"0x" << std::hex << value;
  return out.str();
}

// The client area that a window with that frame has inside that outer rectangle.
Box ClientInside(const Box& outer, DWORD style, DWORD exStyle) {
  RECT frame{};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return {outer.x - frame.left, outer.y - frame.top, outer.width - (frame.right - frame.left),
          outer.height - (frame.bottom - frame.top)};
}

// A named callback: a lambda does not convert to the stdcall function pointer of the 32-bit build.
BOOL CALLBACK CollectVisible(HWND window, LPARAM found) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// The visible top-level windows of every process, from the top of the z-order down.
std::wstring VisibleZOrder() {
  std::vector<HWND> windows;
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
  std::wostringstream out;
  for (HWND window : windows) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    out << window << L" " << ClassName(window) << L" of process " << processId << L"; ";
  }
  return out.str();
}

bool IsAbove(HWND upper, HWND lower) {
  for (HWND below = GetWindow(upper, GW_HWNDNEXT); below != nullptr; below = GetWindow(below, GW_HWNDNEXT)) {
    if (below == lower) return true;
  }
  return false;
}

// What one look at the main window shows.
struct Observed {
  DWORD style = 0;
  bool topmost = false;
  Box outer;
  Box client;
  bool zoomed = false;
  bool iconic = false;
  bool visible = false;
  HWND active = nullptr;
  HWND foreground = nullptr;
  std::wstring zOrder;
};

Observed Observe(HWND window) {
  return {static_cast<DWORD>(Style(window)),
          HasExStyle(window, WS_EX_TOPMOST),
          OuterBox(window),
          ClientOnScreen(window),
          IsZoomed(window) != FALSE,
          IsIconic(window) != FALSE,
          IsWindowVisible(window) != FALSE,
          ActiveOfThread(window),
          GetForegroundWindow(),
          VisibleZOrder()};
}

struct Expected {
  DWORD frame;
  Box outer;
  Box client;
  bool zoomed;
};

// How a click reaches the program. Both are posted: a click is handled inside the program's loop, as a user's is.
enum class Click {
  // The button pressed and released, as by the mouse. The press activates the window and, under Wine, raises
  // it, as a user's press does; what the command does to activation and z-order is then hidden.
  press,
  // Only the notification that the button sends its parent once clicked.
  notification,
};

void ClickFullscreen(Checker& check, HWND window, HWND button, Click click) {
  if (click == Click::press) {
    check.Require(true, PostMessageW(button, BM_CLICK, 0, 0) != FALSE, "BM_CLICK posted to Fullscreen");
    return;
  }
  const WPARAM command = MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED);
  check.Require(true, PostMessageW(window, WM_COMMAND, command, reinterpret_cast<LPARAM>(button)) != FALSE,
                "BN_CLICKED of Fullscreen posted to the main window");
}

// After a click: the state it should reach, and everything else as it was before the click.
void CheckReached(Checker& check, const Process& process, HWND window, Click click, const Observed& before,
                  const Expected& expected) {
  // The frame changes with every click, so a state that matches cannot be the one before the click.
  WaitFor(stateTimeout, [&] {
    const Observed now = Observe(window);
    return (now.style & frameMask) == expected.frame && now.outer == expected.outer && now.zoomed == expected.zoomed;
  });
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after the click");

  const Observed after = Observe(window);
  check.Equal(FrameNames(expected.frame), FrameNames(after.style), "frame bits of the style");
  check.Equal(Hex(before.style & ~frameMask), Hex(after.style & ~frameMask), "style bits besides the frame");
  check.Equal(false, after.topmost, "WS_EX_TOPMOST");
  check.Equal(expected.outer, after.outer, "outer rectangle");
  check.Equal(expected.client, after.client, "client area on the screen");
  check.Equal(expected.zoomed, after.zoomed, "IsZoomed");
  check.Equal(false, after.iconic, "IsIconic");
  check.Equal(true, after.visible, "IsWindowVisible");
  if (click == Click::notification) {
    check.Equal(before.active, after.active, "active window of the program's thread");
    check.Equal(before.foreground, after.foreground, "foreground window");
    // Wine at times raises a window whose caption comes back, also when the same calls come from outside the
    // program; the z-order is checked on entry only.
    if (expected.frame == fullscreenFrame) {
      check.Equal(before.zOrder, after.zOrder, "z-order of the visible top-level windows");
    }
  }

  // The same window, not a new one: the frame changes in place.
  const std::vector<HWND> shown = [&] {
    std::vector<HWND> windows;
    for (HWND candidate : TopLevelWindows(process.Id())) {
      if (IsWindowVisible(candidate) && ClassName(candidate) == mainWindowClass) windows.push_back(candidate);
    }
    return windows;
  }();
  check.Equal<std::size_t>(1, shown.size(), "number of visible main windows");
  if (!shown.empty()) check.Equal(window, shown.front(), "visible main window");

  for (const ButtonLayout& button : layoutAt96.buttons) {
    check.Equal(button.box, BoxInParent(RequireChild(check, window, button.caption)),
                "place in the client area of " + Describe(button.caption));
  }
}

// Into the fullscreen state and back, from the framed state the window is in. Fullscreen covers the monitor
// that holds the larger part of the window: `monitor`, where the case names it.
void RunRound(Checker& check, const Process& process, HWND window, Click click = Click::press,
              std::optional<Box> expectedMonitor = std::nullopt) {
  const HWND button = RequireChild(check, window, L"Fullscreen");
  const Box monitor = MonitorOf(window).monitor;
  if (expectedMonitor) check.Require(*expectedMonitor, monitor, "monitor with the larger part of the window");
  const Observed framed = Observe(window);
  check.Require(FrameNames(sizeableFrame), FrameNames(framed.style & frameMask), "frame bits before the first click");
  {
    const Checker::Case step(check, "into fullscreen");
    ClickFullscreen(check, window, button, click);
    // Borderless over the whole monitor, taskbar area included; a maximized window stays maximized.
    CheckReached(check, process, window, click, framed, {fullscreenFrame, monitor, monitor, framed.zoomed});
  }
  {
    const Checker::Case step(check, "back to framed");
    const Observed fullscreen = Observe(window);
    ClickFullscreen(check, window, button, click);
    // A maximized window keeps the place fullscreen gave it; any other gets its saved rectangle back.
    const Expected expected = framed.zoomed
                                  ? Expected{sizeableFrame, monitor,
                                             ClientInside(monitor, (framed.style & ~frameMask) | sizeableFrame,
                                                          static_cast<DWORD>(ExStyle(window))),
                                             true}
                                  : Expected{sizeableFrame, framed.outer, framed.client, false};
    CheckReached(check, process, window, click, fullscreen, expected);
  }
}

// Where a case puts the window before its round.
enum class Place { asItIs, box, workArea, monitor };

struct StartCase {
  const char* name;
  Place place;
  // For Place::box; the session's screen is 1280x1024.
  Box box;
};

constexpr StartCase startCases[] = {
    {"as start-up placed it", Place::asItIs, {}},
    {"at (100, 80), 700x500", Place::box, {100, 80, 700, 500}},
    {"left and top edges off the screen", Place::box, {-150, -60, 700, 500}},
    {"across the right and bottom edges", Place::box, {900, 700, 700, 500}},
    {"wholly off the screen", Place::box, {1400, 1100, 400, 300}},
    // Fullscreen must still grow to the monitor, not stop at the work area.
    {"covering the work area", Place::workArea, {}},
    // Only the frame goes: the window already has the rectangle fullscreen gives it.
    {"already covering the monitor", Place::monitor, {}},
};

void PlaceWindow(Checker& check, const Process& process, HWND window, const StartCase& start) {
  if (start.place == Place::asItIs) return;
  const MonitorAreas areas = MonitorOf(window);
  RequireMovedTo(check, window,
                 start.place == Place::box        ? start.box
                 : start.place == Place::workArea ? areas.work
                                                  : areas.monitor);
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after the move");
}

struct BeneathCase {
  const char* name;
  // Whether the main window is the foreground window, with the other program's window above it nonetheless.
  bool mainActive;
};

constexpr BeneathCase beneathCases[] = {
    {"beneath another program's active window", false},
    {"active, beneath another program's window", true},
};

HWND StartProgram(Checker& check, const Process& process) {
  const HWND window = RequireMainWindow(check, process);
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
  return window;
}

void CloseWhileFullscreen(Checker& check, const std::wstring& program, WORD showCommand) {
  check.RunCase("closed while fullscreen", [&] {
    const Process process = Process::Launch(program, {showCommand});
    const HWND window = StartProgram(check, process);
    ClickFullscreen(check, window, RequireChild(check, window, L"Fullscreen"), Click::press);
    check.Require(FrameNames(fullscreenFrame),
                  WaitForValue(FrameNames(fullscreenFrame), stateTimeout,
                               [&] { return FrameNames(static_cast<DWORD>(Style(window))); }),
                  "frame bits after the click");
    check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after the click");
    CheckClosesCleanly(check, process, window, exitTimeout);
  });
}

} // namespace

void FullscreenScenario(Checker& check, const std::wstring& program) {
  // Without it the cases could not tell the monitor from the work area.
  for (const MonitorAreas& areas : Monitors()) {
    check.Require(false, areas.monitor == areas.work, "the session's work area equals its monitor");
  }
  // Each case in a process of its own: its click is the first after start-up.
  for (const StartCase& start : startCases) {
    check.RunCase(start.name, [&] {
      const Process process = Process::Launch(program, {SW_SHOWNORMAL});
      const HWND window = StartProgram(check, process);
      PlaceWindow(check, process, window, start);
      RunRound(check, process, window);
    });
  }
  // The same places in one process, moved between rounds: each entry saves the rectangle afresh.
  check.RunCase("one process", [&] {
    const Process process = Process::Launch(program, {SW_SHOWNORMAL});
    const HWND window = StartProgram(check, process);
    for (const StartCase& start : startCases) {
      // Each round starts from a place of its own, so one that fails leaves the next to run.
      check.RunCase(start.name, [&] {
        PlaceWindow(check, process, window, start);
        RunRound(check, process, window);
      });
    }
  });
  // Another program's window above: the toggle neither raises the window nor activates it.
  for (const BeneathCase& beneath : beneathCases) {
    check.RunCase(beneath.name, [&] {
      // Two instances of the program; the one started later is shown above the other and active. Activating the
      // earlier one afterwards would raise it at a moment that Wine does not let the driver wait for.
      const Process first = Process::Launch(program, {SW_SHOWNORMAL});
      const HWND firstWindow = StartProgram(check, first);
      const Process second = Process::Launch(program, {SW_SHOWNORMAL});
      const HWND secondWindow = StartProgram(check, second);
      const Process& process = beneath.mainActive ? second : first;
      const HWND window = beneath.mainActive ? secondWindow : firstWindow;
      const HWND otherWindow = beneath.mainActive ? firstWindow : secondWindow;
      check.Require(secondWindow, WaitForValue(secondWindow, stateTimeout, [] { return GetForegroundWindow(); }),
                    "foreground window");
      if (beneath.mainActive) {
        check.Require(
            true, SetWindowPos(otherWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != FALSE,
            "SetWindowPos of the other window to the top");
      }
      check.Require(true, WaitFor(stateTimeout, [&] { return IsAbove(otherWindow, window); }),
                    "the other window is above the main window");
      check.Equal(true, first.WaitUntilIdle(stateTimeout), "first program becomes idle");
      check.Equal(true, second.WaitUntilIdle(stateTimeout), "second program becomes idle");
      RunRound(check, process, window, Click::notification);
    });
  }
  CloseWhileFullscreen(check, program, SW_SHOWNORMAL);
}

void FullscreenMaximizedScenario(Checker& check, const std::wstring& program) {
  check.RunCase("maximized at start-up", [&] {
    const Process process = Process::Launch(program, {SW_SHOWMAXIMIZED});
    const HWND window = RequireMainWindow(check, process);
    check.Require(true, WaitForValue(true, stateTimeout, [&] { return IsZoomed(window) != FALSE; }),
                  "IsZoomed after start-up");
    check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
    // The second round starts from the place the first left: maximized over the whole monitor.
    for (const char* round : {"first round", "second round"}) {
      const Checker::Case named(check, round);
      RunRound(check, process, window);
    }
  });
  CloseWhileFullscreen(check, program, SW_SHOWMAXIMIZED);
}

namespace {

// Where a window starts on the two monitors, and the monitor its fullscreen state must cover.
struct TwoMonitorCase {
  const char* name;
  Box box;
  // Index into Monitors(): 0 the primary, 1 the second.
  std::size_t monitor;
  // Maximized there before the round.
  bool maximized;
};

// The primary is (0,0)-(1280,1024); the second (-800,100)-(0,700), left of it and lower.
constexpr TwoMonitorCase twoMonitorCases[] = {
    {"wholly on the second monitor", {-700, 150, 500, 400}, 1, false},
    {"across both, the larger part on the primary", {-200, 200, 700, 400}, 0, false},
    {"across both, the larger part on the second", {-600, 200, 700, 400}, 1, false},
    {"maximized on the second monitor", {-700, 150, 500, 400}, 1, true},
};

} // namespace

void FullscreenTwoMonitorsScenario(Checker& check, const std::wstring& program) {
  const std::vector<MonitorAreas> monitors = RequireTwoMonitors(check);
  for (const TwoMonitorCase& twoCase : twoMonitorCases) {
    check.RunCase(twoCase.name, [&] {
      const Process process = Process::Launch(program, {SW_SHOWNORMAL});
      const HWND window = StartProgram(check, process);
      RequireMovedTo(check, window, twoCase.box);
      if (twoCase.maximized) {
        RequirePosted(check, window, WM_SYSCOMMAND, SC_MAXIMIZE, 0, "SC_MAXIMIZE");
        check.Require(true, WaitForValue(true, stateTimeout, [&] { return IsZoomed(window) != FALSE; }),
                      "IsZoomed after SC_MAXIMIZE");
        // Maximized over the work area of the monitor it was on.
        check.Require(monitors[twoCase.monitor].monitor, MonitorOf(window).monitor, "monitor of the maximized window");
      }
      check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after the move");
      RunRound(check, process, window, Click::press, monitors[twoCase.monitor].monitor);
      CheckClosesCleanly(check, process, window, exitTimeout);
    });
  }
}

} // namespace e2e
