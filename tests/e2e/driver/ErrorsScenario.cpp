// The framework's test program: the error report of a failed command, table-driven over messages, with the
// mouse capture cancelled and a silent abort.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MainWindow.h"
#include "ModalWindows.h"
#include "ProbeWindow.h"
#include "support/Closing.h"
#include "support/MessageBoxQuery.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

// The command runs again after its report is closed.
constexpr int rounds = 2;

struct ErrorCase {
  const char* name;
  // Given before the message, which a library failure raised first leaves unused.
  std::wstring_view options;
  std::wstring_view message;
  // Nothing: no box is shown.
  std::optional<std::wstring_view> boxText;
};

// The period rule of the report: appended after a character whose code is above that of ".".
constexpr ErrorCase cases[] = {
    {"letter gets a period", L"", L"Integer overflow", L"Integer overflow."},
    {"period kept", L"", L"Done.", L"Done."},
    {"exclamation mark kept", L"", L"Stop!", L"Stop!"},
    {"question mark gets a period", L"", L"Really?", L"Really?."},
    {"empty stays empty", L"", L"", L""},
    {"capture taken by the command", L"--capture ", L"Integer overflow", L"Integer overflow."},
    {"silent abort", L"--abort ", L"Integer overflow", std::nullopt},
    // The standard library's refusals, with its own text, and memory running out, from wherever it is found.
    {"length error of a container", L"--library-failure=length ", L"", L"vector::reserve."},
    // Ends in ")", which takes no period.
    {"position outside a string", L"--library-failure=position ", L"",
     L"basic_string::at: __n (which is 1) >= this->size() (which is 0)"},
    {"allocation beyond the allocator's limit", L"--library-failure=allocator ", L"", L"Out of memory."},
    {"allocation larger than a size can count", L"--library-failure=array ", L"", L"Out of memory."},
    {"operator new finds no block", L"--library-failure=new ", L"", L"Out of memory."},
};

std::optional<HWND> CaptureOfThread(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(ThreadOf(window), &info)) return std::nullopt;
  return info.hwndCapture;
}

void CheckReport(Checker& check, const Process& process, HWND mainWindow, std::wstring_view expectedText) {
  const HWND box = RequireDialog(check, process, "the error box appears");
  check.Equal(std::wstring(probeTitle), Text(box), "caption of the box");
  check.Equal(mainWindow, Owner(box), "owner of the box");
  check.Equal(std::optional<std::wstring>(expectedText), MessageBoxText(box), "text of the box");
  // A capture left to the button would take the mouse away from the box.
  check.Equal(std::optional<HWND>(nullptr), CaptureOfThread(mainWindow), "mouse capture while the box is open");
  check.Equal(false, IsWindowEnabled(mainWindow) != FALSE, "main window is enabled while the box is open");
  const HWND ok = CheckErrorBoxControls(check, box);

  KeepXInputFocusOn(check, mainWindow);
  check.Require(true, PostMessageW(ok, BM_CLICK, 0, 0) != FALSE, "BM_CLICK posted to OK");
  check.Require(true, WaitFor(stateTimeout, [&] { return IsWindow(box) == FALSE; }), "the box closes on OK");
}

void CheckNoReport(Checker& check, const Process& process, HWND mainWindow) {
  // The answer comes from a message loop, so the command and its report have been dealt with by then.
  DWORD_PTR ignored = 0;
  check.Equal(true,
              SendMessageTimeoutW(mainWindow, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(stateTimeout.count()),
                                  &ignored) != 0,
              "program answers after the command");
  WaitFor(absenceTimeout, [&] { return !DialogWindows(process.Id()).empty(); });
  check.Equal<std::size_t>(0, DialogWindows(process.Id()).size(), "number of dialogs after the command");
}

void RunCase(Checker& check, const std::wstring& program, const ErrorCase& errorCase) {
  const std::wstring arguments =
      std::wstring(errorCase.options) + L"\"--message=" + std::wstring(errorCase.message) + L"\"";
  const Process process = Process::Launch(program, {SW_SHOWNORMAL, arguments});
  const HWND mainWindow = RequireProbeWindow(check, process);
  const HWND raise = RequireChild(check, mainWindow, L"Raise");
  check.Require(mainWindow, WaitForValue(mainWindow, stateTimeout, [&] { return ActiveOfThread(mainWindow); }),
                "active window after start-up");
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");

  for (int round = 1; round <= rounds; ++round) {
    const Checker::Case roundCase(check, "click " + std::to_string(round));
    check.Require(true, PostMessageW(raise, BM_CLICK, 0, 0) != FALSE, "BM_CLICK posted to Raise");
    const std::wstring ran = L"Raise " + std::to_wstring(round);
    check.Require(ran, WaitForValue(ran, stateTimeout, [&] { return Text(raise); }), "caption once the command ran");
    if (errorCase.boxText) {
      CheckReport(check, process, mainWindow, *errorCase.boxText);
    } else {
      CheckNoReport(check, process, mainWindow);
    }
    CheckBackTo(check, mainWindow);
  }

  CheckClosesCleanly(check, process, mainWindow, exitTimeout);
}

} // namespace

void ErrorsScenario(Checker& check, const std::wstring& program) {
  // Each case starts a process of its own.
  for (const ErrorCase& errorCase : cases) {
    check.RunCase(errorCase.name, [&] { RunCase(check, program, errorCase); });
  }
}

} // namespace e2e
