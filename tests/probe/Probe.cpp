// The framework's test program: the same start-up as the program's, with the form chosen by the command line.

#include <windows.h>

#include <string_view>

#include "Application.h"
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
  }
  Application->Run();
}
