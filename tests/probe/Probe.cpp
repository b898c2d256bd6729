// The framework's test program: the same start-up as the program's, with the form and the message box route
// chosen by the command line.

#include <windows.h>

#include <string>

#include "Application.h"
#include "ProbeForms.h"
#include "ProbeOptions.h"
#include "Program.h"

namespace {

std::wstring StartupFailure() {
  std::wstring failure;
  Option(L"startup", failure);
  return failure;
}

} // namespace

void ProgramMain() {
  Application->Initialize();
  Application->SetMainFormOnTaskBar(true);
  const std::wstring failure = StartupFailure();
  if (failure == L"undefined") {
    TUndefinedForm* form = nullptr;
    Application->CreateForm(form);
  } else if (failure == L"misbound") {
    TMisboundForm* form = nullptr;
    Application->CreateForm(form);
  } else {
    Application->CreateForm(ProbeForm);
    if (std::wstring dpi; Option(L"dpi-change", dpi)) {
      // What the system sends when the window moves to a monitor of that DPI (144 unless given), with the
      // rectangle it suggests; another process's message could not carry the rectangle.
      const auto newDpi = static_cast<WORD>(dpi.empty() ? 144 : std::stoi(dpi));
      RECT suggested{200, 150, 900, 650};
      SendMessageW(ProbeForm->Handle(), WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                   reinterpret_cast<LPARAM>(&suggested));
    }
  }
  Application->Run();
}
