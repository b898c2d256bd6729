#include "GreetingBoxes.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "ModalWindows.h"
#include "ProbeWindow.h"
#include "support/Clipboard.h"
#include "support/ModuleVersion.h"
#include "support/Session.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowKeys.h"
#include "support/WindowQuery.h"
#include "support/WineHost.h"

namespace e2e {

namespace {

constexpr std::wstring_view greetingText = L"Alles klar";

enum class Centring { workAreaOfMainWindow, primaryScreen };

// One of the two ways the framework shows the box.
struct Route {
  const char* name;
  std::wstring_view boxClass;
  Centring centring;
  // What only this route's box has.
  void (*checkOwnParts)(Checker& check, HWND box, HWND mainWindow, HWND okButton);
};

void CheckTaskDialogParts(Checker& check, HWND box, HWND mainWindow, HWND okButton) {
  check.Equal(mainWindow, Owner(box), "owner of the box");
  check.Equal(IDOK, GetDlgCtrlID(okButton), "identifier of the OK button");
}

void CheckMessageFormParts(Checker& check, HWND box, HWND, HWND) {
  check.Equal(true, HasExStyle(box, WS_EX_DLGMODALFRAME), "box has WS_EX_DLGMODALFRAME");
  check.Equal(false, HasStyle(box, WS_THICKFRAME), "box has WS_THICKFRAME");
}

constexpr Route taskDialogRoute{"task dialog", L"#32770", Centring::workAreaOfMainWindow, CheckTaskDialogParts};
constexpr Route messageFormRoute{"message form", L"TMessageForm", Centring::primaryScreen, CheckMessageFormParts};

} // namespace

// The program whose box is driven.
struct Subject {
  std::wstring_view arguments;
  HWND (*requireMainWindow)(Checker& check, const Process& process);
  std::wstring_view greetButton;
  // The application title.
  std::wstring_view boxCaption;
  // Buttons of the main window that must not answer a user's click while the box is open.
  std::span<const std::wstring_view> otherButtons;
  // The route the program is told to take; none: the one that the common controls it loaded call for.
  const Route* forcedRoute;
  // What Ctrl+C puts on the clipboard; empty where it is not tried.
  std::wstring_view copiedText;
};

namespace {

constexpr std::wstring_view pellacordOtherButtons[] = {L"Fullscreen", L"File-Dlg"};
constexpr std::wstring_view probeOtherButtons[] = {L"Raise"};

} // namespace

// What Ctrl+C copies from the framework's message form.
const Subject pellacordGreeting{L"",
                                RequireMainWindow,
                                L"Hallo?",
                                L"Pellacord",
                                pellacordOtherButtons,
                                nullptr,
                                L"---------------------------\r\n"
                                L"Pellacord\r\n"
                                L"---------------------------\r\n"
                                L"Alles klar\r\n"
                                L"---------------------------\r\n"
                                L"OK   \r\n"
                                L"---------------------------\r\n"};
const Subject probeMessageForm{L"--message-form",
                               RequireProbeWindow,
                               L"Greet",
                               probeTitle,
                               probeOtherButtons,
                               &messageFormRoute,
                               L"---------------------------\r\n"
                               L"pellacord-probe\r\n"
                               L"---------------------------\r\n"
                               L"Alles klar\r\n"
                               L"---------------------------\r\n"
                               L"OK   \r\n"
                               L"---------------------------\r\n"};
// The test program told to take the task dialog's route whatever the common controls say.
// Windows' task dialog copies its text in this form; Wine's copies nothing.
const Subject probeTaskDialog{L"--task-dialog",
                              RequireProbeWindow,
                              L"Greet",
                              probeTitle,
                              probeOtherButtons,
                              &taskDialogRoute,
                              L"[Window Title]\r\n"
                              L"pellacord-probe\r\n"
                              L"\r\n"
                              L"[Content]\r\n"
                              L"Alles klar\r\n"
                              L"\r\n"
                              L"[OK]\r\n"};

namespace {

// To the right and lower down, and smaller: a box centred on the main window lands elsewhere than one
// centred on the work area or the screen.
constexpr Box movedPlace{700, 450, 520, 360};
// Further right and down: the probe's buttons stay clear of a box centred on the work area, so a user's clicks
// on them can be made while it is open.
constexpr Box lowerRightPlace{860, 600, 380, 300};
// Wholly on the second monitor, (-800,100)-(0,700), and off its centre.
constexpr Box secondMonitorPlace{-760, 130, 520, 360};

// The task dialog needs version 6 of the common controls, by the file version of the library that the
// program's manifest selects: the side-by-side one. Wine's library reports 5.81 also there, so under stock Wine
// the program shows its message form; a prefix whose side-by-side copy reports 6.10, as Windows' does, sends
// it down the task dialog's route.
const Route& ExpectedRoute(const Subject& subject, const Process& process) {
  if (subject.forcedRoute != nullptr) return *subject.forcedRoute;
  const std::vector<std::wstring> loaded = LoadedModulePaths(process.Handle(), L"comctl32.dll");
  const auto sideBySide = std::ranges::find_if(
      loaded, [](const std::wstring& path) { return Lowercase(path).find(L"\\winsxs\\") != std::wstring::npos; });
  if (sideBySide == loaded.end()) throw std::runtime_error("the program has not loaded side-by-side common controls");
  const std::optional<ModuleVersion> version = FileVersionOf(*sideBySide);
  if (!version) throw std::runtime_error("no file version in " + ToUtf8(*sideBySide));
  const Route& route = *version >= ModuleVersion{6, 0} ? taskDialogRoute : messageFormRoute;
  std::printf("the program loaded common controls %s (%s): its box is the %s\n", Describe(*version).c_str(),
              ToUtf8(*sideBySide).c_str(), route.name);
  // The prefix the session runs in is made for one route; a reading that gives the other is a fault in the
  // reading or in the prefix.
  if (const std::optional<std::string> sessionRoute = SessionRoute(); sessionRoute && *sessionRoute != route.name) {
    throw std::runtime_error("the session's prefix is made for the " + *sessionRoute + ", but the program loaded " +
                             ToUtf8(*sideBySide) + " of version " + Describe(*version));
  }
  return route;
}

void EnterFullscreen(Checker& check, const Process& process, HWND mainWindow) {
  RequirePosted(check, RequireChild(check, mainWindow, L"Fullscreen"), BM_CLICK, 0, 0, "click on Fullscreen");
  check.Require(true,
                WaitFor(stateTimeout,
                        [&] {
                          return (Style(mainWindow) & WS_CAPTION) == 0 &&
                                 OuterBox(mainWindow) == MonitorOf(mainWindow).monitor;
                        }),
                "main window covers its monitor after the click on Fullscreen");
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after the click on Fullscreen");
}

void PlaceMainWindow(Checker& check, const Process& process, HWND mainWindow, Place place) {
  switch (place) {
  case Place::asStarted:
    break;
  case Place::movedAndResized:
    RequireMovedTo(check, mainWindow, movedPlace);
    break;
  case Place::lowerRight:
    RequireMovedTo(check, mainWindow, lowerRightPlace);
    break;
  case Place::fullscreen:
    EnterFullscreen(check, process, mainWindow);
    break;
  case Place::secondMonitor:
    RequireMovedTo(check, mainWindow, secondMonitorPlace);
    break;
  case Place::fullscreenOnSecond:
    RequireMovedTo(check, mainWindow, secondMonitorPlace);
    EnterFullscreen(check, process, mainWindow);
    break;
  }
}

void OpenBox(Checker& check, const Subject& subject, HWND mainWindow, Open open) {
  switch (open) {
  case Open::click:
    RequirePosted(check, RequireChild(check, mainWindow, subject.greetButton), BM_CLICK, 0, 0,
                  "click on " + ToUtf8(subject.greetButton));
    break;
  case Open::enterKey:
    PressKeysIn(mainWindow, L"Return");
    break;
  case Open::spaceKey:
    PressKeysIn(mainWindow, L"space");
    break;
  }
}

void CloseBox(Checker& check, HWND box, HWND okButton, Close close) {
  switch (close) {
  case Close::okClick:
    RequirePosted(check, okButton, BM_CLICK, 0, 0, "click on OK");
    break;
  case Close::wmClose:
    RequirePosted(check, box, WM_CLOSE, 0, 0, "WM_CLOSE");
    break;
  case Close::enterKey:
    PressKeysIn(box, L"Return");
    break;
  case Close::escKey:
    PressKeysIn(box, L"Escape");
    break;
  case Close::altF4:
    PressKeysIn(box, L"alt+F4");
    break;
  }
}

bool ClosedByKey(Close close) { return close == Close::enterKey || close == Close::escKey || close == Close::altF4; }

bool IsDefaultButton(HWND box, HWND button) {
  if ((Style(button) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return true;
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(box, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)) return false;
  return HIWORD(result) == DC_HASDEFID && LOWORD(result) == GetDlgCtrlID(button);
}

// The box's caption and contents; returns its one OK button.
HWND CheckBoxContents(Checker& check, HWND box, HWND mainWindow, const Subject& subject, const Route& route) {
  check.Require(std::wstring(route.boxClass), ClassName(box), "class of the box");
  check.Equal(std::wstring(subject.boxCaption), Text(box), "caption of the box");
  // No heading: the content is the only text; no icon: no static shows a picture.
  check.Equal(std::wstring(greetingText), ChildTexts(box, L"static"), "texts of the box");
  for (HWND child : VisibleChildren(box, L"static")) {
    const LONG_PTR kind = Style(child) & SS_TYPEMASK;
    check.Equal(false, kind == SS_ICON || kind == SS_BITMAP, "a static shows a picture: " + Describe(child));
  }
  const std::vector<HWND> buttons = VisibleChildren(box, L"button");
  check.Require<std::size_t>(1, buttons.size(), "number of buttons of the box");
  const HWND okButton = buttons.front();
  check.Equal(std::wstring(L"OK"), Text(okButton), "caption of the button");
  check.Equal(true, IsDefaultButton(box, okButton), "OK is the default button");
  route.checkOwnParts(check, box, mainWindow, okButton);
  return okButton;
}

RECT CentringArea(Checker& check, HWND mainWindow, Centring centring) {
  MONITORINFO monitor{sizeof monitor};
  check.Require(true, GetMonitorInfoW(MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST), &monitor) != FALSE,
                "monitor of the main window");
  // Otherwise a box centred on the work area and one centred on the screen are in the same place.
  check.Require(false, EqualRect(&monitor.rcWork, &monitor.rcMonitor) != FALSE,
                "the session's work area equals its monitor");
  if (centring == Centring::workAreaOfMainWindow) return monitor.rcWork;
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void CheckCentred(Checker& check, HWND box, HWND mainWindow, Centring centring) {
  const RECT area = CentringArea(check, mainWindow, centring);
  Box actual = OuterBox(box);
  // The box may be moved into place only after it is shown.
  WaitFor(stateTimeout, [&] {
    actual = OuterBox(box);
    return actual == CentredIn(area, actual);
  });
  check.Equal(CentredIn(area, actual), actual,
              centring == Centring::workAreaOfMainWindow ? "box centred on the work area"
                                                         : "box centred on the screen");
}

void CheckCopy(Checker& check, HWND box, std::wstring_view copiedText) {
  // Emptied first, so that only this press can put the text there.
  ClearClipboard();
  PressKeysIn(box, L"ctrl+c");
  const std::optional<std::wstring> expected{std::wstring(copiedText)};
  check.Equal(expected, WaitForValue(expected, stateTimeout, ClipboardText), "clipboard text after Ctrl+C");
  check.Equal(true, IsWindow(box) && IsWindowVisible(box), "box is open after Ctrl+C");
}

void RunCase(Checker& check, const std::wstring& program, const Subject& subject, const GreetingCase& greetingCase) {
  const Process process = Process::Launch(program, {SW_SHOWNORMAL, std::wstring(subject.arguments)});
  const HWND mainWindow = subject.requireMainWindow(check, process);
  check.Require(mainWindow, WaitForValue(mainWindow, stateTimeout, [&] { return ActiveOfThread(mainWindow); }),
                "active window after start-up");
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
  const Route& route = ExpectedRoute(subject, process);
  if (greetingCase.open != Open::click) {
    const HWND greetButton = RequireChild(check, mainWindow, subject.greetButton);
    check.Require(greetButton, WaitForValue(greetButton, stateTimeout, [&] { return FocusOfThread(mainWindow); }),
                  "focus after start-up");
  }
  PlaceMainWindow(check, process, mainWindow, greetingCase.place);
  const Box placeBefore = OuterBox(mainWindow);
  const LONG_PTR styleBefore = Style(mainWindow);

  WindowCensus opened(process.Id(), mainWindow);
  OpenBox(check, subject, mainWindow, greetingCase.open);
  const HWND box = RequireOpened(check, opened, "the box");
  const HWND okButton = CheckBoxContents(check, box, mainWindow, subject, route);
  CheckCentred(check, box, mainWindow, route.centring);
  check.Equal(false, WaitForValue(false, stateTimeout, [&] { return IsWindowEnabled(mainWindow) != FALSE; }),
              "main window is enabled while the box is open");
  check.Equal(box, WaitForValue(box, stateTimeout, [&] { return ActiveOfThread(mainWindow); }),
              "active window while the box is open");
  check.Equal(okButton, WaitForValue(okButton, stateTimeout, [&] { return FocusOfThread(mainWindow); }),
              "focus while the box is open");
  SaveSettledScreenshot(process, greetingCase.screenshot);
  if (greetingCase.copyFirst) CheckCopy(check, box, subject.copiedText);

  // A user's clicks on the other commands, only where a key closes the box: the program handles the key after
  // them, but a posted close could come first. The key goes to the window with the X input focus, which
  // PressKeysIn gives the box; any other close leaves it on the main window.
  if (ClosedByKey(greetingCase.close)) {
    ClickButtonsBehind(check, mainWindow, box, subject.otherButtons);
  } else {
    KeepXInputFocusOn(check, mainWindow);
  }
  CloseBox(check, box, okButton, greetingCase.close);
  CheckClosed(check, opened, box, "the box");
  CheckBackTo(check, mainWindow);
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after the box");
  check.Equal<std::size_t>(0, opened.Sample().size(), "windows open over the main window after the box closed");
  check.Equal<std::size_t>(1, opened.MostAtOnce(), "windows open over the main window at once");
  check.Equal<std::size_t>(1, opened.Distinct(), "windows opened over the main window in all");
  // Nothing done while the box was open reached the main window.
  check.Equal(placeBefore, OuterBox(mainWindow), "main window's place");
  check.Equal(styleBefore, Style(mainWindow), "main window's style");
}

// Esc and Ctrl+C: Wine's task dialog neither closes by the one nor copies on the other.
bool WinesTaskDialogIgnores(const GreetingCase& greetingCase) {
  return greetingCase.close == Close::escKey || greetingCase.copyFirst;
}

} // namespace

void RunGreetingCases(Checker& check, const std::wstring& program, const Subject& subject,
                      std::span<const GreetingCase> cases) {
  const bool winesTaskDialog =
      RunsUnderWine() && (subject.forcedRoute != nullptr ? subject.forcedRoute == &taskDialogRoute
                                                         : SessionRoute() == std::string(taskDialogRoute.name));
  for (const GreetingCase& greetingCase : cases) {
    if (winesTaskDialog && WinesTaskDialogIgnores(greetingCase)) continue;
    check.RunCase(greetingCase.name, [&] { RunCase(check, program, subject, greetingCase); });
  }
}

} // namespace e2e
