// pellacord-driver <scenario> <program.exe>: drives the program from outside and exits non-zero when a
// check fails.

#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "Scenarios.h"
#include "support/Check.h"
#include "support/RunScenario.h"
#include "support/Text.h"

namespace {

struct Scenario {
  std::wstring_view name;
  void (*run)(e2e::Checker& check, const std::wstring& program);
};

constexpr Scenario scenarios[] = {
    {L"window", e2e::WindowScenario},
    {L"dpi144", e2e::Dpi144Scenario},
    {L"showcmd", e2e::ShowCommandScenario},
    {L"focus", e2e::FocusScenario},
    {L"close", e2e::CloseScenario},
    {L"fullscreen", e2e::FullscreenScenario},
    {L"fullscreenmax", e2e::FullscreenMaximizedScenario},
    {L"greeting", e2e::GreetingScenario},
    {L"greetingkeys", e2e::GreetingKeysScenario},
    {L"messageform", e2e::MessageFormScenario},
    {L"filedialog", e2e::FileDialogScenario},
    {L"taskdialog", e2e::TaskDialogScenario},
    {L"errors", e2e::ErrorReportScenario},
    {L"startup", e2e::StartupFailureScenario},
    {L"dpichange", e2e::DpiChangeScenario},
    {L"foreground", e2e::ForegroundScenario},
    {L"foregrounderror", e2e::ForegroundErrorScenario},
    {L"cues", e2e::FocusCuesScenario},
    {L"smoke32", e2e::Smoke32Scenario},
};

constexpr int exitUsage = 2;

int Usage() {
  std::string names;
  for (const Scenario& scenario : scenarios) names += " " + e2e::ToUtf8(scenario.name);
  std::fprintf(stderr, "usage: pellacord-driver <scenario> <program.exe>\nscenarios:%s\n", names.c_str());
  return exitUsage;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return Usage();
  const std::wstring_view name = argv[1];
  const Scenario* scenario = nullptr;
  for (const Scenario& candidate : scenarios) {
    if (candidate.name == name) scenario = &candidate;
  }
  if (scenario == nullptr) return Usage();

  return e2e::RunScenario(name, argv[2], scenario->run);
}
