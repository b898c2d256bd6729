#include "ProbeWindow.h"

#include <optional>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "support/MessageBoxQuery.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

std::string ExitState(const Process& process) {
  const std::optional<DWORD> exitCode = process.ExitCode();
  return exitCode ? "the process exited with code " + std::to_string(*exitCode) : "the process is still running";
}

} // namespace

HWND RequireProbeWindow(Checker& check, const Process& process) {
  const HWND window = WaitForVisibleWindow(process.Id(), std::wstring(probeWindowClass), firstWindowTimeout);
  if (window != nullptr) return window;
  check.Fail("a visible main window appears in time", "a visible window of class " + Describe(probeWindowClass),
             "none; " + ExitState(process));
  throw ScenarioAborted();
}

HWND RequireDialog(Checker& check, const Process& process, std::string_view what) {
  const HWND box = WaitForVisibleWindow(process.Id(), std::wstring(dialogClass), firstWindowTimeout);
  if (box != nullptr) return box;
  check.Fail(what, "a visible window of class " + Describe(dialogClass), "none; " + ExitState(process));
  throw ScenarioAborted();
}

HWND CheckErrorBoxControls(Checker& check, HWND box) {
  const HWND icon = IconControl(box);
  if (icon == nullptr) {
    check.Fail("icon of the box", "a visible Static with SS_ICON", "none");
  } else {
    // The box may not have painted itself yet.
    check.Equal(std::wstring(L"error"),
                WaitForValue(std::wstring(L"error"), stateTimeout, [&] { return SystemIconShown(icon); }),
                "icon shown by the box");
  }
  const std::vector<HWND> buttons = VisibleButtons(box);
  check.Require<std::size_t>(1, buttons.size(), "number of buttons of the box");
  const HWND ok = buttons.front();
  check.Equal(std::wstring(L"OK"), Text(ok), "caption of the button");
  check.Require(IDOK, GetDlgCtrlID(ok), "identifier of the button");
  return ok;
}

} // namespace e2e
