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
#include "Scenarios.h"
#include "support/Clipboard.h"
#include "support/ModuleVersion.h"
#include "support/Session.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowKeys.h"
#include "support/WindowQuery.h"
#include "support/XFocus.h"

namespace e2e {

namespace {

constexpr std::wstring_view greetingText = L"Alles klar";

enum class Centring { workAreaOfMainWindow, primaryScreen };

// One of the two ways the framework shows the box.
struct Route {
  const char* name;
  std::wstring_view boxClass;
  Centring centring;
  // Wine's task dialog without a Cancel button ignores Esc whatever its flags; the message form's OK button is
  // also its cancel button.
  bool escClosesUnderWine;
  // Ctrl+C copies the box's text to the clipboard: the framework's message form does it; Wine's task dialog
  // does not.
  bool copiesUnderWine;
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

constexpr Route taskDialogRoute{"task dialog", L"#32770", Centring::workAreaOfMainWindow,
                                false,         false,     CheckTaskDialogParts};
constexpr Route messageFormRoute{"message form", L"TMessageForm",      Centring::primaryScreen, true,
                                 true,           CheckMessageFormParts};

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

constexpr std::wstring_view pellacordOtherButtons[] = {L"Fullscreen", L"File-Dlg"};
constexpr std::wstring_view probeOtherButtons[] = {L"Raise"};

// Ctrl+C is tried where the program's own route is the message form.
constexpr Subject pellacord{L"",
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
constexpr Subject probe{L"--message-form",
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
constexpr Subject probeTaskDialog{L"--task-dialog",  RequireProbeWindow, L"Greet", probeTitle,
                                  probeOtherButtons, &taskDialogRoute,   L""};

enum class Open { click, enterKey, spaceKey };
enum class Place { asStarted, movedAndResized, lowerRight, fullscreen, secondMonitor, fullscreenOnSecond };
enum class Close { okClick, wmClose, enterKey, escKey, altF4 };

struct GreetingCase {
  const char* name;
  Open open;
  Place place;
  Close close;
  // Ctrl+C before closing.
  bool copyFirst;
  // A picture of the open box is saved under this name; none for most cases.
  const wchar_t* screenshot;
};

constexpr GreetingCase messageCases[] = {
    {"click, OK", Open::click, Place::asStarted, Close::okClick, false, L"greeting-box"},
    {"click, WM_CLOSE", Open::click, Place::asStarted, Close::wmClose, false, nullptr},
    {"moved window, click, OK", Open::click, Place::movedAndResized, Close::okClick, false, L"greeting-box-moved"},
    {"moved window, click, WM_CLOSE", Open::click, Place::movedAndResized, Close::wmClose, false, nullptr},
    {"fullscreen, click, OK", Open::click, Place::fullscreen, Close::okClick, false, nullptr},
    {"click, Ctrl+C, OK", Open::click, Place::asStarted, Close::okClick, true, nullptr},
};

constexpr GreetingCase keyCases[] = {
    {"Enter opens, Enter closes", Open::enterKey, Place::asStarted, Close::enterKey, false, nullptr},
    {"Space opens, Alt+F4 closes", Open::spaceKey, Place::asStarted, Close::altF4, false, nullptr},
    {"click, Esc", Open::click, Place::asStarted, Close::escKey, false, nullptr},
    {"moved window, click, Enter", Open::click, Place::movedAndResized, Close::enterKey, false, nullptr},
    {"moved window, click, Alt+F4", Open::click, Place::movedAndResized, Close::altF4, false, nullptr},
    {"fullscreen, click, Enter", Open::click, Place::fullscreen, Close::enterKey, false, nullptr},
};

// The main window on the second monitor, left of the primary and lower: the task dialog is centred on that
// monitor's work area.
constexpr GreetingCase secondMonitorCases[] = {
    {"second monitor, click, OK", Open::click, Place::secondMonitor, Close::okClick, false, L"greeting-second-monitor"},
    {"second monitor, click, Enter", Open::click, Place::secondMonitor, Close::enterKey, false, nullptr},
    {"fullscreen on the second monitor, click, OK", Open::click, Place::fullscreenOnSecond, Close::okClick, false,
     nullptr},
    {"fullscreen on the second monitor, click, Alt+F4", Open::click, Place::fullscreenOnSecond, Close::altF4, false,
     nullptr},
};

// The probe's first focus is on its other button, so its box is opened by clicks only.
constexpr GreetingCase messageFormCases[] = {
    {"Ctrl+C, Enter", Open::click, Place::asStarted, Close::enterKey, true, L"message-form"},
    {"Ctrl+C, Esc", Open::click, Place::asStarted, Close::escKey, true, nullptr},
    {"Ctrl+C, WM_CLOSE", Open::click, Place::asStarted, Close::wmClose, true, nullptr},
    {"moved window, OK", Open::click, Place::movedAndResized, Close::okClick, false, nullptr},
};

// The probe's first focus is on its other button, so its box is opened by clicks only.
constexpr GreetingCase taskDialogCases[] = {
    {"click, OK", Open::click, Place::asStarted, Close::okClick, false, L"task-dialog"},
    {"click, Enter", Open::click, Place::asStarted, Close::enterKey, false, nullptr},
    {"click, Alt+F4", Open::click, Place::asStarted, Close::altF4, false, nullptr},
    {"click, WM_CLOSE", Open::click, Place::asStarted, Close::wmClose, false, nullptr},
    {"click, Esc", Open::click, Place::asStarted, Close::escKey, false, nullptr},
    {"moved window, click, OK", Open::click, Place::movedAndResized, Close::okClick, false, nullptr},
    {"moved window, click, WM_CLOSE", Open::click, Place::movedAndResized, Close::wmClose, false, nullptr},
    {"lower right, click, OK", Open::click, Place::lowerRight, Close::okClick, false, nullptr},
    {"lower right, click, Enter", Open::click, Place::lowerRight, Close::enterKey, false, nullptr},
    {"lower right, click, Alt+F4", Open::click, Place::lowerRight, Close::altF4, false, nullptr},
};

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
  if (greetingCase.close == Close::escKey && !route.escClosesUnderWine) {
    std::printf("[%s] not run: under Wine Esc does not close the %s\n", greetingCase.name, route.name);
    return;
  }
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
  if (greetingCase.copyFirst && route.copiesUnderWine) {
    CheckCopy(check, box, subject.copiedText);
  } else if (greetingCase.copyFirst) {
    std::printf("[%s] Ctrl+C not tried: Wine's %s copies nothing\n", greetingCase.name, route.name);
  }

  // A user's clicks on the other commands, only where a key closes the box: the program handles the key after
  // them, but a posted close could come first.
  if (ClosedByKey(greetingCase.close)) ClickButtonsBehind(check, mainWindow, box, subject.otherButtons);
  // Closed before it has the X input focus, the box takes it to the root window, and Wine hands the foreground
  // to the desktop instead of the main window (see the error report's scenario).
  check.Require(true, GiveXInputFocus(box), "the box has the X input focus");
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

template <std::size_t count>
void RunCases(Checker& check, const std::wstring& program, const Subject& subject, const GreetingCase (&cases)[count]) {
  for (const GreetingCase& greetingCase : cases) {
    check.RunCase(greetingCase.name, [&] { RunCase(check, program, subject, greetingCase); });
  }
}

} // namespace

void GreetingScenario(Checker& check, const std::wstring& program) {
  RunCases(check, program, pellacord, messageCases);
}

void GreetingKeysScenario(Checker& check, const std::wstring& program) {
  RunCases(check, program, pellacord, keyCases);
}

void GreetingTwoMonitorsScenario(Checker& check, const std::wstring& program) {
  RequireTwoMonitors(check);
  RunCases(check, program, pellacord, secondMonitorCases);
}

void MessageFormScenario(Checker& check, const std::wstring& program) {
  RunCases(check, program, probe, messageFormCases);
}

void TaskDialogScenario(Checker& check, const std::wstring& program) {
  RunCases(check, program, probeTaskDialog, taskDialogCases);
}

} // namespace e2e
