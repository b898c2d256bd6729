#include "Commands.h"

#include <sstream>

#include "MainWindow.h"
#include "ModalWindows.h"
#include "support/MessageBoxQuery.h"
#include "support/Wait.h"
#include "support/WindowCensus.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

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
  RequirePosted(check, button, BM_CLICK, 0, 0, "first click on Fullscreen");
  const bool entered = WaitFor(
      stateTimeout, [&] { return (Style(window) & (WS_CAPTION | WS_THICKFRAME)) == 0 && OuterBox(window) == monitor; });
  check.Require(true, entered, "borderless over the monitor after the first click");
  RequirePosted(check, button, BM_CLICK, 0, 0, "second click on Fullscreen");
  check.Require(framed, WaitForValue(framed, stateTimeout, [&] { return ReadFrame(window); }),
                "framed as before after the second click");
}

namespace {

// The box is destroyed and the main window takes input again, with no other window of the program open.
void RequireClosed(Checker& check, WindowCensus& opened, HWND window, HWND box, std::string_view what) {
  CheckClosed(check, opened, box, what);
  check.Require(true, WaitFor(stateTimeout, [&] { return IsWindowEnabled(window) != FALSE; }),
                "main window enabled again after the " + std::string(what));
  check.Require<std::size_t>(0, opened.Sample().size(), "windows open after the " + std::string(what));
}

} // namespace

void CloseGreetingBox(Checker& check, WindowCensus& opened, HWND window, HWND box) {
  check.Require(true, HasChildWithText(box, L"Alles klar"), "the greeting box reads \"Alles klar\"");
  // Both routes' boxes have one button, "OK".
  const HWND ok = ChildWithText(box, L"OK");
  check.Require(true, ok != nullptr, "the greeting box has an OK button");
  RequirePosted(check, ok, BM_CLICK, 0, 0, "click on OK");
  RequireClosed(check, opened, window, box, "greeting box");
}

std::wstring GreetingRoundTrip(Checker& check, const Process& process, HWND window, HWND button) {
  WindowCensus opened(process.Id(), window);
  RequirePosted(check, button, BM_CLICK, 0, 0, "click on the greeting button");
  const HWND box = RequireOpened(check, opened, "the greeting box");
  const std::wstring boxClass = ClassName(box);
  CloseGreetingBox(check, opened, window, box);
  check.Equal<std::size_t>(1, opened.MostAtOnce(), "windows open over the main window at once");
  return boxClass;
}

void FileDialogRoundTrip(Checker& check, const Process& process, HWND window, HWND button) {
  WindowCensus opened(process.Id(), window);
  RequirePosted(check, button, BM_CLICK, 0, 0, "click on the file-dialog button");
  const HWND dialog = RequireOpened(check, opened, "the file-open dialog");
  check.Require(std::wstring(dialogClass), ClassName(dialog), "class of the file-open dialog");
  check.Require(std::wstring(fileDialogCaption), Text(dialog), "caption of the file-open dialog");
  const HWND cancel = GetDlgItem(dialog, IDCANCEL);
  check.Require(true, cancel != nullptr, "the file-open dialog has a Cancel button");
  RequirePosted(check, cancel, BM_CLICK, 0, 0, "click on Cancel");
  RequireClosed(check, opened, window, dialog, "file-open dialog");
  check.Equal<std::size_t>(1, opened.MostAtOnce(), "windows open over the main window at once");
}

} // namespace e2e
