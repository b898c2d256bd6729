#include "Commands.h"

#include <sstream>

#include "MainWindow.h"
#include "support/MessageBoxQuery.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

void RequirePosted(Checker& check, HWND window, UINT message, std::string_view what) {
  check.Require(true, PostMessageW(window, message, 0, 0) != FALSE, std::string(what) + " posted");
}

// The one window the command opened, once it appears; ends the scenario when none does.
HWND RequireOpened(Checker& check, DWORD processId, HWND window, std::string_view what) {
  std::vector<HWND> opened;
  WaitFor(firstWindowTimeout, [&] { return !(opened = OtherVisibleWindows(processId, window)).empty(); });
  check.Require<std::size_t>(1, opened.size(), "windows open once " + std::string(what) + " opens");
  return opened.front();
}

void RequireClosed(Checker& check, HWND window, HWND opened, DWORD processId, std::string_view what) {
  check.Require(true, WaitFor(stateTimeout, [&] { return !IsWindow(opened); }), std::string(what) + " is destroyed");
  check.Require(true, WaitFor(stateTimeout, [&] { return IsWindowEnabled(window) != FALSE; }),
                "main window enabled again after the " + std::string(what));
  check.Require<std::size_t>(0, OtherVisibleWindows(processId, window).size(),
                             "windows open after the " + std::string(what));
}

HWND ChildWithText(HWND parent, std::wstring_view text) {
  for (HWND child : ChildrenInZOrder(parent)) {
    if (Text(child) == text) return child;
  }
  return nullptr;
}

} // namespace

HWND RequireWindow(Checker& check, const Process& process, std::wstring_view windowClass) {
  const HWND window = WaitForVisibleWindow(process.Id(), std::wstring(windowClass), firstWindowTimeout);
  if (window == nullptr) {
    const std::optional<DWORD> exitCode = process.ExitCode();
    check.Fail("a visible window appears in time", "a window of class " + Describe(windowClass),
               exitCode ? "none; the process exited with code " + std::to_string(*exitCode) : "none");
    throw ScenarioAborted();
  }
  return window;
}

std::vector<HWND> OtherVisibleWindows(DWORD processId, HWND mainWindow) {
  std::vector<HWND> windows;
  for (HWND window : TopLevelWindows(processId)) {
    if (window != mainWindow && IsWindowVisible(window)) windows.push_back(window);
  }
  return windows;
}

bool HasChildWithText(HWND parent, std::wstring_view text) { return ChildWithText(parent, text) != nullptr; }

FrameState ReadFrame(HWND window) { return {Style(window), OuterBox(window), IsZoomed(window) != FALSE}; }

std::string Describe(const FrameState& state) {
  std::ostringstream out;
  out << "style 0x" << std::hex << state.style << std::dec << ", " << Describe(state.outer)
      << (state.zoomed ? ", zoomed" : ", not zoomed");
  return out.str();
}

void FullscreenRoundTrip(Checker& check, HWND window, HWND button, const FrameState& framed) {
  const Box monitor = MonitorOf(window).monitor;
  RequirePosted(check, button, BM_CLICK, "first click on Fullscreen");
  const bool entered = WaitFor(
      stateTimeout, [&] { return (Style(window) & (WS_CAPTION | WS_THICKFRAME)) == 0 && OuterBox(window) == monitor; });
  check.Require(true, entered, "borderless over the monitor after the first click");
  RequirePosted(check, button, BM_CLICK, "second click on Fullscreen");
  check.Require(framed, WaitForValue(framed, stateTimeout, [&] { return ReadFrame(window); }),
                "framed as before after the second click");
}

void CloseGreetingBox(Checker& check, const Process& process, HWND window, HWND box) {
  check.Require(true, HasChildWithText(box, L"Alles klar"), "the greeting box reads \"Alles klar\"");
  // Both routes' boxes have one button, "OK".
  const HWND ok = ChildWithText(box, L"OK");
  check.Require(true, ok != nullptr, "the greeting box has an OK button");
  RequirePosted(check, ok, BM_CLICK, "click on OK");
  RequireClosed(check, window, box, process.Id(), "greeting box");
}

std::wstring GreetingRoundTrip(Checker& check, const Process& process, HWND window, HWND button) {
  RequirePosted(check, button, BM_CLICK, "click on the greeting button");
  const HWND box = RequireOpened(check, process.Id(), window, "the greeting box");
  const std::wstring boxClass = ClassName(box);
  CloseGreetingBox(check, process, window, box);
  return boxClass;
}

void FileDialogRoundTrip(Checker& check, const Process& process, HWND window, HWND button) {
  RequirePosted(check, button, BM_CLICK, "click on the file-dialog button");
  const HWND dialog = RequireOpened(check, process.Id(), window, "the file-open dialog");
  check.Require(std::wstring(dialogClass), ClassName(dialog), "class of the file-open dialog");
  check.Require(std::wstring(L"Open"), Text(dialog), "caption of the file-open dialog");
  const HWND cancel = GetDlgItem(dialog, IDCANCEL);
  check.Require(true, cancel != nullptr, "the file-open dialog has a Cancel button");
  RequirePosted(check, cancel, BM_CLICK, "click on Cancel");
  RequireClosed(check, window, dialog, process.Id(), "file-open dialog");
}

} // namespace e2e
