// With another program's window behind, the test program's main window is the foreground and active window
// again after its error box: its Raise button fails its command, and the box reports it.

#include "ForegroundCases.h"
#include "ProbeWindow.h"

namespace e2e {

void ForegroundErrorScenario(Checker& check, const std::wstring& program) {
  const Subject probe{RequireProbeWindow, {{"error box", L"Raise", Closing::okButton}}};
  RunForegroundCases(check, program, probe);
}

} // namespace e2e
