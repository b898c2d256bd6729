#include "ProbeWindow.h"

#include <optional>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "ModalWindows.h"
#include "support/MessageBoxQuery.h"
#include "support/Text.h"
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
  const std::vector<HWND> buttons = VisibleChildren(box, L"button");
  check.Require<std::size_t>(1, buttons.size(), "number of buttons of the box");
  const HWND ok = buttons.front();
  check.Equal(std::wstring(L"OK"), Text(ok), "caption of the button");
  check.Require(IDOK, GetDlgCtrlID(ok), "identifier of the button");
  return ok;
}

std::wstring ClickForReport(Checker& check, HWND window, std::wstring_view caption) {
  const std::wstring prefix = std::wstring(caption) + L" ";
  HWND button = nullptr;
  for (HWND child : ChildrenInZOrder(window)) {
    // Its caption is its last report once it has been clicked.
    if (const std::wstring text = Text(child); text == caption || text.starts_with(prefix)) button = child;
  }
  check.Require(true, button != nullptr, "a button " + ToUtf8(caption));
  SetWindowTextW(button, std::wstring(caption).c_str());
  RequirePosted(check, button, BM_CLICK, 0, 0, "click on " + ToUtf8(caption));
  std::wstring report;
  WaitFor(stateTimeout, [&] {
    report = Text(button);
    return report.starts_with(prefix);
  });
  return report;
}

} // namespace e2e
