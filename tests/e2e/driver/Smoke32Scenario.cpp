// One pass over the whole program for the shipped 32-bit image. Here it runs only under emulation, where each
// step is slow, so this uses each command once; the 64-bit scenarios check them in depth.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MainWindow.h"
#include "Scenarios.h"
#include "support/Closing.h"
#include "support/Image.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

// Emulated, a start takes seconds on a quiet machine and minutes on a loaded one, and code runs slowly the
// first time it is reached; the limits only bound a hang.
constexpr std::chrono::milliseconds startTimeout = 240s;
constexpr std::chrono::milliseconds dialogTimeout = 120s;
constexpr std::chrono::milliseconds stepTimeout = 60s;
constexpr std::chrono::milliseconds emulatedExitTimeout = 120s;

constexpr std::wstring_view dialogClass = L"#32770";
// The framework's own box, shown instead of the task dialog where the common controls that the program loaded
// are older than version 6.0: under Wine, whose version 6 library reports 5.81.
constexpr std::wstring_view messageFormClass = L"TMessageForm";
constexpr std::wstring_view fileDialogCaption = L"Open";
// What the image header of the shipped program says.
constexpr std::string_view shippedImage = "PE32, x86";

// Prints how long each step took since the scenario began: the cost of emulation, for whoever reads the log.
class StepClock {
public:
  void Report(const char* step) const {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
    std::printf("smoke32: %s after %.1f s\n", step, elapsed.count());
    std::fflush(stdout);
  }

private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Class names match without regard to case.
bool SameName(const std::wstring& name, std::wstring_view expected) {
  return CompareStringOrdinal(name.c_str(), static_cast<int>(name.size()), expected.data(),
                              static_cast<int>(expected.size()), TRUE) == CSTR_EQUAL;
}

// The style's low 32 bits, which hold every style bit: WS_POPUP is the top one, and whether it reads as
// sign-extended in a LONG_PTR differs between systems.
bool HasStyleBits(HWND window, DWORD bits) { return (static_cast<DWORD>(Style(window)) & bits) == bits; }
bool HasAnyStyleBit(HWND window, DWORD bits) { return (static_cast<DWORD>(Style(window)) & bits) != 0; }

Box BoxOf(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

Box OuterBox(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return BoxOf(rect);
}

std::optional<Box> MonitorBox(HWND window) {
  MONITORINFO info{sizeof info};
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) return std::nullopt;
  return BoxOf(info.rcMonitor);
}

// A visible top-level window of the process with that caption and one of those classes, polled for.
HWND WaitForModal(DWORD processId, std::wstring_view caption, std::initializer_list<std::wstring_view> classes) {
  HWND found = nullptr;
  WaitFor(dialogTimeout, [&] {
    for (HWND window : TopLevelWindows(processId)) {
      if (!IsWindowVisible(window) || Text(window) != caption) continue;
      const std::wstring name = ClassName(window);
      if (std::ranges::any_of(classes, [&](std::wstring_view className) { return SameName(name, className); })) {
        found = window;
        return true;
      }
    }
    return false;
  });
  return found;
}

// Each top-level window of the process, for a report of what is there instead.
std::string DescribeTopLevelWindows(DWORD processId) {
  std::string described;
  for (HWND window : TopLevelWindows(processId)) {
    described += "\n    " + Describe(window) + (IsWindowVisible(window) ? ", visible" : ", hidden");
  }
  return described.empty() ? "none" : described;
}

HWND RequireModal(Checker& check, const Process& process, std::wstring_view caption,
                  std::initializer_list<std::wstring_view> classes) {
  const HWND modal = WaitForModal(process.Id(), caption, classes);
  if (modal != nullptr) return modal;
  std::string expected = "a visible window captioned " + Describe(caption) + " of class";
  for (std::wstring_view className : classes) expected += " " + Describe(className);
  check.Fail("a modal window opens", expected,
             "none; the process's top-level windows:" + DescribeTopLevelWindows(process.Id()));
  throw ScenarioAborted();
}

// By the system class that each child is built on, so that the framework's own control classes count too.
std::vector<HWND> VisibleChildrenOn(HWND parent, std::wstring_view baseClass) {
  std::vector<HWND> found;
  for (HWND child : ChildrenInZOrder(parent)) {
    if (IsWindowVisible(child) && SameName(BaseClassName(child), baseClass)) found.push_back(child);
  }
  return found;
}

void Click(Checker& check, HWND button) {
  // Posted: a sent click would not return while the modal window that it opens is open.
  check.Require(true, PostMessageW(button, BM_CLICK, 0, 0) != FALSE, "BM_CLICK posted to " + Describe(button));
}

void CheckClosesAndReenables(Checker& check, HWND dialog, HWND mainWindow) {
  check.Equal(true, WaitFor(stepTimeout, [&] { return !IsWindowVisible(dialog); }), "dialog closes");
  check.Equal(true, WaitForValue(true, stepTimeout, [&] { return IsWindowEnabled(mainWindow) != FALSE; }),
              "main window is enabled again");
}

void CheckImage(Checker& check, const std::wstring& program) {
  // Not a reason to stop: the rest still tells whether the commands work in whatever image was given.
  if (!check.Equal(FromUtf8(shippedImage), FromUtf8(DescribeImage(program)), "image that this scenario runs")) return;
  std::printf("smoke32: image: PE32 i386, the shipped 32-bit build, run by Wine's 32-bit loader under qemu-i386\n");
  std::fflush(stdout);
}

HWND StartMainWindow(Checker& check, const Process& process, const StepClock& clock) {
  const HWND mainWindow = WaitForVisibleWindow(process.Id(), std::wstring(mainWindowClass), startTimeout);
  if (mainWindow == nullptr) {
    const std::optional<DWORD> exitCode = process.ExitCode();
    check.Fail("a visible main window appears in time", "a visible window of class " + Describe(mainWindowClass),
               exitCode ? "none; the process exited with code " + std::to_string(*exitCode)
                        : "none; the process is still running");
    throw ScenarioAborted();
  }
  clock.Report("main window shown");
  check.Equal(true, process.WaitUntilIdle(stepTimeout), "program becomes idle after start-up");
  CheckMainWindow(check, process, mainWindow, layoutAt96);
  return mainWindow;
}

void Greeting(Checker& check, const Process& process, HWND mainWindow, const StepClock& clock) {
  const Checker::Case named(check, "Hallo?");
  Click(check, RequireChild(check, mainWindow, L"Hallo?"));
  const HWND box = RequireModal(check, process, mainWindowCaption, {dialogClass, messageFormClass});
  const bool taskDialog = SameName(ClassName(box), dialogClass);
  clock.Report(taskDialog ? "greeting box (task dialog) open" : "greeting box (message form) open");
  // The text is the box's only text: no heading.
  std::wstring texts;
  for (HWND label : VisibleChildrenOn(box, L"Static")) {
    if (const std::wstring text = Text(label); !text.empty()) texts += (texts.empty() ? L"" : L" | ") + text;
  }
  check.Equal(std::wstring(L"Alles klar"), texts, "texts of the box");
  const std::vector<HWND> buttons = VisibleChildrenOn(box, L"Button");
  check.Require<std::size_t>(1, buttons.size(), "number of buttons of the box");
  check.Equal(std::wstring(L"OK"), Text(buttons.front()), "caption of the box's button");
  check.Equal(false, WaitForValue(false, stepTimeout, [&] { return IsWindowEnabled(mainWindow) != FALSE; }),
              "main window is enabled while the box is open");
  Click(check, buttons.front());
  CheckClosesAndReenables(check, box, mainWindow);
  clock.Report("greeting box closed");
}

void FileDialog(Checker& check, const Process& process, HWND mainWindow, const StepClock& clock) {
  const Checker::Case named(check, "File-Dlg");
  Click(check, RequireChild(check, mainWindow, L"File-Dlg"));
  const HWND dialog = RequireModal(check, process, fileDialogCaption, {dialogClass});
  clock.Report("file dialog open");
  check.Equal(false, WaitForValue(false, stepTimeout, [&] { return IsWindowEnabled(mainWindow) != FALSE; }),
              "main window is enabled while the dialog is open");
  const HWND cancel = GetDlgItem(dialog, IDCANCEL);
  check.Require(true, cancel != nullptr, "the dialog has a Cancel button");
  Click(check, cancel);
  CheckClosesAndReenables(check, dialog, mainWindow);
  clock.Report("file dialog cancelled");
}

void Fullscreen(Checker& check, HWND mainWindow, const StepClock& clock) {
  const Checker::Case named(check, "Fullscreen");
  const HWND button = RequireChild(check, mainWindow, L"Fullscreen");
  const Box framed = OuterBox(mainWindow);
  const std::optional<Box> monitor = MonitorBox(mainWindow);
  check.Require(true, monitor.has_value(), "the main window's monitor is known");
  // Else the check of the covered monitor could not tell the two states apart.
  check.Require(true, framed != *monitor, "the framed window does not already cover its monitor");

  Click(check, button);
  WaitFor(stepTimeout, [&] { return HasStyleBits(mainWindow, WS_POPUP) && OuterBox(mainWindow) == *monitor; });
  clock.Report("fullscreen entered");
  check.Equal(true, HasStyleBits(mainWindow, WS_POPUP), "fullscreen window has WS_POPUP");
  // No part of the caption (WS_BORDER, WS_DLGFRAME) or the sizing frame may stay.
  check.Equal(false, HasAnyStyleBit(mainWindow, WS_CAPTION), "fullscreen window has a caption bit");
  check.Equal(false, HasAnyStyleBit(mainWindow, WS_THICKFRAME), "fullscreen window has WS_THICKFRAME");
  check.Equal(*monitor, OuterBox(mainWindow), "fullscreen outer rectangle (the monitor's)");

  Click(check, button);
  WaitFor(stepTimeout, [&] { return HasStyleBits(mainWindow, WS_CAPTION) && OuterBox(mainWindow) == framed; });
  clock.Report("fullscreen left");
  check.Equal(false, HasAnyStyleBit(mainWindow, WS_POPUP), "restored window has WS_POPUP");
  check.Equal(true, HasStyleBits(mainWindow, WS_CAPTION), "restored window has WS_CAPTION");
  check.Equal(true, HasStyleBits(mainWindow, WS_THICKFRAME), "restored window has WS_THICKFRAME");
  check.Equal(framed, OuterBox(mainWindow), "restored outer rectangle (the one before)");
}

} // namespace

void Smoke32Scenario(Checker& check, const std::wstring& program) {
  CheckImage(check, program);
  const StepClock clock;
  const Process process = Process::Launch(program);
  const HWND mainWindow = StartMainWindow(check, process, clock);
  Greeting(check, process, mainWindow, clock);
  FileDialog(check, process, mainWindow, clock);
  Fullscreen(check, mainWindow, clock);

  CheckClosesCleanly(check, process, mainWindow, emulatedExitTimeout);
  clock.Report("process ended");
}

} // namespace e2e
