#include "FullscreenRounds.h"

#include <windows.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "ModalWindows.h"
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
  // The frame changes with every click, so a state that matches cannot be the one before the click. The client
  // area is part of it: the style changes before the frame does, and the frame before the window moves.
  WaitFor(stateTimeout, [&] {
    const Observed now = Observe(window);
    return (now.style & frameMask) == expected.frame && now.outer == expected.outer && now.client == expected.client &&
           now.zoomed == expected.zoomed;
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

} // namespace

bool IsAbove(HWND upper, HWND lower) {
  for (HWND below = GetWindow(upper, GW_HWNDNEXT); below != nullptr; below = GetWindow(below, GW_HWNDNEXT)) {
    if (below == lower) return true;
  }
  return false;
}

void RunRound(Checker& check, const Process& process, HWND window, Click click, std::optional<Box> expectedMonitor) {
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

} // namespace e2e
