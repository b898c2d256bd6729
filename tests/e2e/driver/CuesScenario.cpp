// The test program's record of the keyboard cues its window was asked to show, before and after Tab,
// Shift+Tab and Alt.

#include <string>

#include "ProbeWindow.h"
#include "support/Closing.h"
#include "support/Text.h"
#include "support/Timeouts.h"
#include "support/Wait.h"
#include "support/WindowKeys.h"
#include "support/WindowQuery.h"

namespace e2e {

void CuesScenario(Checker& check, const std::wstring& program) {
  const Process process = Process::Launch(program, {SW_SHOWNORMAL});
  const HWND window = RequireProbeWindow(check, process);
  check.Require(window, WaitForValue(window, stateTimeout, [&] { return ActiveOfThread(window); }),
                "active window after start-up");
  check.Equal(true, process.WaitUntilIdle(stateTimeout), "program becomes idle after start-up");
  check.Equal(std::wstring(L"Cues none"), ClickForReport(check, window, L"Cues"), "cues asked for before any key");
  for (const wchar_t* keys : {L"Tab", L"shift+Tab"}) {
    PressKeysIn(window, keys);
    check.Equal(std::wstring(L"Cues focus"), ClickForReport(check, window, L"Cues"),
                "cues asked for after " + ToUtf8(keys));
  }
  // Alt shows the mnemonics too; Escape leaves the menu mode that its release enters.
  PressKeysIn(window, L"alt");
  PressKeysIn(window, L"Escape");
  check.Equal(std::wstring(L"Cues focus mnemonics"), ClickForReport(check, window, L"Cues"),
              "cues asked for after Alt");
  CheckClosesCleanly(check, process, window, exitTimeout);
}

} // namespace e2e
