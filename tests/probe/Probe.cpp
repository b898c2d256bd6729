// The framework's test program: the same start-up as the program's, with the form and the message box route
// chosen by the command line.

#include <windows.h>

#include <string_view>

#include "Application.h"
#include "Dialogs.h"
#include "ProbeForms.h"
#include "Program.h"

namespace {

std::wstring_view StartupFailure() {
  const std::wstring_view commandLine(GetCommandLineW());
  if (commandLine.find(L"--startup=undefined") != std::wstring_view::npos) return L"undefined";
  if (commandLine.find(L"--startup=misbound") != std::wstring_view::npos) return L"misbound";
  return {};
}

} // namespace

void ProgramMain() {
  // The switch that systems with older common controls are left with: boxes come from the message form.
  if (std::wstring_view(GetCommandLineW()).find(L"--message-form") != std::wstring_view::npos) {
    UseLatestCommonDialogs = false;
  }
  Application->Initialize();
  Application->SetMainFormOnTaskBar(true);
  const std::wstring_view failure = StartupFailure();
  if (failure == L"undefined") {
    TUndefinedForm* form = nullptr;
    Application->CreateForm(form);
  } else if (failure == L"misbound") {
    TMisboundForm* form = nullptr;
    Application->CreateForm(form);
  } else {
    Application->CreateForm(ProbeForm);
    if (std::wstring_view(GetCommandLineW()).find(L"--dpi-change") != std::wstring_view::npos) {
      // What the system sends when the window moves to a 144-DPI monitor, with the rectangle it suggests;
      // another process's message could not carry the rectangle.
      RECT suggested{200, 150, 900, 650};
      SendMessageW(ProbeForm->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    }
  }
  Application->Run();
}
