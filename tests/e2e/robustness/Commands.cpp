#include "Commands.h"

#include <sstream>

#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace robust {

namespace {

using e2e::Checker;

void RequirePosted(Checker& check, HWND window, UINT message, std::string_view what) {
  check.Require(true, PostMessageW(window, message, 0, 0) != FALSE, std::string(what) + " posted");
}

// The one window the command opened, once it appears; ends the scenario when none does.
HWND RequireOpened(Checker& check, DWORD processId, HWND window, std::string_view what) {
  std::vector<HWND> opened;
  e2e::WaitFor(openTimeout, [&] { return !(opened = OtherVisibleWindows(processId, window)).empty(); });
  check.Require<std::size_t>(1, opened.size(), "windows open once " + std::string(what) + " opens");
  return opened.front();
}

void RequireClosed(Checker& check, HWND window, HWND opened, DWORD processId, std::string_view what) {
  check.Require(true, e2e::WaitFor(stateTimeout, [&] { return !IsWindow(opened); }),
                std::string(what) + " is destroyed");
  check.Require(true, e2e::WaitFor(stateTimeout, [&] { return IsWindowEnabled(window) != FALSE; }),
                "main window enabled again after the " + std::string(what));
  check.Require<std::size_t>(0, OtherVisibleWindows(processId, window).size(),
                             "windows open after the " + std::string(what));
}

HWND ChildWithText(HWND parent, std::wstring_view text) {
  for (HWND child : e2e::ChildrenInZOrder(parent)) {
    if (e2e::Text(child) == text) return child;
  }
  return nullptr;
}

} // namespace

HWND RequireWindow(Checker& check, const e2e::Process& process, std::wstring_view windowClass) {
  const HWND window = e2e::WaitForVisibleWindow(process.Id(), std::wstring(windowClass), startTimeout);
  if (window == nullptr) {
    const std::optional<DWORD> exitCode = process.ExitCode();
    check.Fail("a visible window appears in time", "a window of class " + e2e::Describe(windowClass),
               exitCode ? "none; the process exited with code " + std::to_string(*exitCode) : "none");
    throw e2e::ScenarioAborted();
  }
  return window;
}

HWND RequireChild(Checker& check, HWND parent, std::wstring_view caption) {
  for (HWND child : e2e::ChildrenInZOrder(parent)) {
    if (e2e::Text(child) == caption) return child;
  }
  check.Fail("a child window with caption", e2e::Describe(caption), "none");
  throw e2e::ScenarioAborted();
}

std::vector<HWND> OtherVisibleWindows(DWORD processId, HWND mainWindow) {
  std::vector<HWND> windows;
  for (HWND window : e2e::TopLevelWindows(processId)) {
    if (window != mainWindow && IsWindowVisible(window)) windows.push_back(window);
  }
  return windows;
}

bool HasChildWithText(HWND parent, std::wstring_view text) { return ChildWithText(parent, text) != nullptr; }

e2e::Box OuterBox(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

e2e::Box MonitorBox(HWND window) {
  MONITORINFO info{sizeof info};
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  const RECT& rect = info.rcMonitor;
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

FrameState ReadFrame(HWND window) { return {e2e::Style(window), OuterBox(window), IsZoomed(window) != FALSE}; }

std::string Describe(const FrameState& state) {
  std::ostringstream out;
  out << "style 0x" << std::hex << state.style << std::dec << ", " << e2e::Describe(state.outer)
      << (state.zoomed ? ", zoomed" : ", not zoomed");
  return out.str();
}

void FullscreenRoundTrip(Checker& check, HWND window, HWND button, const FrameState& framed) {
  const e2e::Box monitor = MonitorBox(window);
  RequirePosted(check, button, BM_CLICK, "first click on Fullscreen");
  const bool entered = e2e::WaitFor(stateTimeout, [&] {
    return (e2e::Style(window) & (WS_CAPTION | WS_THICKFRAME)) == 0 && OuterBox(window) == monitor;
  });
  check.Require(true, entered, "borderless over the monitor after the first click");
  RequirePosted(check, button, BM_CLICK, "second click on Fullscreen");
  check.Require(framed, e2e::WaitForValue(framed, stateTimeout, [&] { return ReadFrame(window); }),
                "framed as before after the second click");
}

void CloseGreetingBox(Checker& check, const e2e::Process& process, HWND window, HWND box) {
  check.Require(true, HasChildWithText(box, L"Alles klar"), "the greeting box reads \"Alles klar\"");
  // Both routes' boxes have one button, "OK".
  const HWND ok = ChildWithText(box, L"OK");
  check.Require(true, ok != nullptr, "the greeting box has an OK button");
  RequirePosted(check, ok, BM_CLICK, "click on OK");
  RequireClosed(check, window, box, process.Id(), "greeting box");
}

std::wstring GreetingRoundTrip(Checker& check, const e2e::Process& process, HWND window, HWND button) {
  RequirePosted(check, button, BM_CLICK, "click on the greeting button");
  const HWND box = RequireOpened(check, process.Id(), window, "the greeting box");
  const std::wstring boxClass = e2e::ClassName(box);
  CloseGreetingBox(check, process, window, box);
  return boxClass;
}

void FileDialogRoundTrip(Checker& check, const e2e::Process& process, HWND window, HWND button) {
  RequirePosted(check, button, BM_CLICK, "click on the file-dialog button");
  const HWND dialog = RequireOpened(check, process.Id(), window, "the file-open dialog");
  check.Require(std::wstring(dialogClass), e2e::ClassName(dialog), "class of the file-open dialog");
  check.Require(std::wstring(L"Open"), e2e::Text(dialog), "caption of the file-open dialog");
  const HWND cancel = GetDlgItem(dialog, IDCANCEL);
  check.Require(true, cancel != nullptr, "the file-open dialog has a Cancel button");
  RequirePosted(check, cancel, BM_CLICK, "click on Cancel");
  RequireClosed(check, window, dialog, process.Id(), "file-open dialog");
}

} // namespace robust
