#include "FileDialogRounds.h"

#include <optional>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "ModalWindows.h"
#include "support/Closing.h"
#include "support/MessageBoxQuery.h"
#include "support/TemporaryFolder.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowKeys.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

constexpr int openButtonId = IDOK;
constexpr int cancelButtonId = IDCANCEL;

// Buttons of the main window that must not answer a user's click while the dialog is open.
constexpr std::wstring_view otherButtons[] = {L"Hallo?", L"Fullscreen"};

HWND RequireControl(Checker& check, HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  check.Require(true, control != nullptr, "a control with identifier " + std::to_string(id) + " in the dialog");
  return control;
}

} // namespace

void RunRound(Checker& check, const Process& process, HWND mainWindow, const Round& round, const Names& names) {
  const Checker::Case named(check, round.name);
  const Box placeBefore = OuterBox(mainWindow);
  const LONG_PTR styleBefore = Style(mainWindow);
  WindowCensus opened(process.Id(), mainWindow);
  RequirePosted(check, RequireChild(check, mainWindow, L"File-Dlg"), BM_CLICK, 0, 0, "click on File-Dlg");
  const HWND dialog = RequireOpened(check, opened, "the file dialog");

  check.Require(std::wstring(dialogClass), ClassName(dialog), "class of the dialog");
  check.Equal(std::wstring(fileDialogCaption), Text(dialog), "caption of the dialog");
  // Modal over the whole application: owned by its hidden window, not by the main window.
  const HWND application = ApplicationWindow(process.Id());
  check.Equal(true, application != nullptr, "the program has an application window");
  check.Equal(application, Owner(dialog), "owner of the dialog");
  check.Equal(false, WaitForValue(false, stateTimeout, [&] { return IsWindowEnabled(mainWindow) != FALSE; }),
              "main window is enabled while the dialog is open");
  const HWND fileName = RequireControl(check, dialog, fileNameEditId);
  const std::wstring expectedName = round.nameShown == NameShown::chosenFile    ? names.chosenFile
                                    : round.nameShown == NameShown::missingName ? names.missingName
                                                                                : std::wstring();
  check.Equal(expectedName, WaitForValue(expectedName, stateTimeout, [&] { return ControlText(fileName); }),
              "file name the dialog offers");
  SaveSettledScreenshot(process, round.screenshot);

  switch (round.ending) {
  case Ending::cancelButton:
    RequirePosted(check, RequireControl(check, dialog, cancelButtonId), BM_CLICK, 0, 0, "click on Cancel");
    break;
  case Ending::cancelCommand:
    RequirePosted(check, dialog, WM_COMMAND, IDCANCEL, 0, "WM_COMMAND IDCANCEL");
    break;
  case Ending::escKey:
    // A user's clicks on the other commands first; the program handles the key after them.
    ClickButtonsBehind(check, mainWindow, dialog, otherButtons);
    PressKeysIn(dialog, L"Escape");
    break;
  case Ending::confirmFile:
  case Ending::confirmMissingName:
    RequireTextSet(check, fileName, round.ending == Ending::confirmFile ? names.chosenFile : names.missingName);
    RequirePosted(check, RequireControl(check, dialog, openButtonId), BM_CLICK, 0, 0, "click on Open");
    break;
  }
  CheckClosed(check, opened, dialog, "the dialog");
  CheckBackTo(check, mainWindow);
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after the dialog");
  check.Equal<std::size_t>(0, opened.Sample().size(), "windows open over the main window after the dialog closed");
  check.Equal<std::size_t>(1, opened.MostAtOnce(), "windows open over the main window at once");
  check.Equal<std::size_t>(1, opened.Distinct(), "windows opened over the main window in all");
  check.Equal(placeBefore, OuterBox(mainWindow), "main window's place");
  check.Equal(styleBefore, Style(mainWindow), "main window's style");
}

} // namespace e2e
