#include "ForegroundCases.h"

#include <string>
#include <string_view>
#include <vector>

#include "MainWindow.h"
#include "ModalWindows.h"
#include "support/Closing.h"
#include "support/TemporaryFolder.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowCensus.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

void Close(Checker& check, HWND box, Closing closing, const std::wstring& name) {
  switch (closing) {
  case Closing::okButton:
    RequirePosted(check, RequireChild(check, box, L"OK"), BM_CLICK, 0, 0, "click on OK");
    break;
  case Closing::cancelButton:
    RequirePosted(check, GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0, "click on Cancel");
    break;
  case Closing::confirmName:
    RequireTextSet(check, GetDlgItem(box, fileNameEditId), name);
    RequirePosted(check, GetDlgItem(box, IDOK), BM_CLICK, 0, 0, "click on Open");
    break;
  }
}

void RunCase(Checker& check, const Process& process, HWND window, const BoxCase& boxCase, const std::wstring& name) {
  WindowCensus opened(process.Id(), window);
  RequirePosted(check, RequireChild(check, window, boxCase.button), BM_CLICK, 0, 0, "click on the button");
  const HWND box = RequireOpened(check, opened, "the box");
  KeepXInputFocusOn(check, window);
  Close(check, box, boxCase.closing, name);
  CheckClosed(check, opened, box, "the box");
  check.Equal(window, WaitForValue(window, stateTimeout, [] { return GetForegroundWindow(); }),
              "foreground window after the box");
  check.Equal(window, WaitForValue(window, stateTimeout, [&] { return ActiveOfThread(window); }),
              "active window after the box");
  check.Equal(true, WaitFor(stateTimeout, [&] { return IsWindowEnabled(window) != FALSE; }),
              "main window is enabled after the box");
}

} // namespace

void RunForegroundCases(Checker& check, const std::wstring& program, const Subject& subject) {
  TemporaryFolder folder(L"pellacord-foreground");
  const std::wstring name = folder.AddFile(L"chosen.txt");
  {
    // Another program's window, which would take the activation if the boxes' ending gave it away.
    const Process other = Process::Launch(program, {SW_SHOWNORMAL});
    const HWND otherWindow = subject.requireWindow(check, other);
    check.Require(otherWindow, WaitForValue(otherWindow, stateTimeout, [] { return GetForegroundWindow(); }),
                  "the other program's window is in the foreground");

    const Process process = Process::Launch(program, {SW_SHOWNORMAL});
    const HWND window = subject.requireWindow(check, process);
    check.Require(window, WaitForValue(window, stateTimeout, [] { return GetForegroundWindow(); }),
                  "foreground window after start-up, in front of the other program's");
    check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
    // Each box starts from the same window, whatever the box before it left.
    for (const BoxCase& boxCase : subject.cases) {
      check.RunCase(boxCase.name, [&] { RunCase(check, process, window, boxCase, name); });
    }
    CheckClosesCleanly(check, process, window, exitTimeout);
    CheckClosesCleanly(check, other, otherWindow, exitTimeout);
  }
  check.Equal(true, folder.Remove(), "temporary folder removed");
}

} // namespace e2e
