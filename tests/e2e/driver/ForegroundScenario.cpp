// With another program's window behind, the main window is the foreground and active window again after the
// file dialog (cancelled and confirmed) and the greeting box.

#include "ForegroundCases.h"
#include "MainWindow.h"

namespace e2e {

void ForegroundScenario(Checker& check, const std::wstring& program) {
  const Subject pellacord{RequireMainWindow,
                          {{"file dialog cancelled", L"File-Dlg", Closing::cancelButton},
                           {"file dialog confirmed", L"File-Dlg", Closing::confirmName},
                           {"greeting box", L"Hallo?", Closing::okButton}}};
  RunForegroundCases(check, program, pellacord);
}

} // namespace e2e
