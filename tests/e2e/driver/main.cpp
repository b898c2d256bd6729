// pellacord-driver <scenario> <program.exe> [<file>]: drives the program from outside and exits non-zero when a
// check fails. One scenario needs a second file, named after the program.

#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "Scenarios.h"
#include "support/Check.h"
#include "support/Process.h"
#include "support/RunScenario.h"
#include "support/Text.h"

namespace {

struct Scenario {
  std::wstring_view name;
  void (*run)(e2e::Checker& check, const std::wstring& program);
  // For a scenario that needs a second file instead.
  void (*runWithFile)(e2e::Checker& check, const std::wstring& program, const std::wstring& file) = nullptr;
};

constexpr Scenario scenarios[] = {
    {L"window", e2e::WindowScenario},
    {L"dpi", e2e::DpiScenario},
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
    {L"fullscreen2", e2e::FullscreenTwoMonitorsScenario},
    {L"greeting2", e2e::GreetingTwoMonitorsScenario},
    {L"errors2", e2e::ErrorReportTwoMonitorsScenario},
    {L"filedialog2", e2e::FileDialogTwoMonitorsScenario},
    {L"soak", e2e::SoakScenario},
    {L"dllsearch", nullptr, e2e::LibrarySearchScenario},
    {L"failures", e2e::FailureScenario},
};

constexpr int exitUsage = 2;

int Usage() {
  std::string names;
  for (const Scenario& scenario : scenarios) {
    names += " " + e2e::ToUtf8(scenario.name) + (scenario.runWithFile ? " (with <file>)" : "");
  }
  std::fprintf(stderr, "usage: pellacord-driver <scenario> <program.exe> [<file>]\nscenarios:%s\n", names.c_str());
  return exitUsage;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return Usage();
  const std::wstring_view name = argv[1];
  const Scenario* scenario = nullptr;
  for (const Scenario& candidate : scenarios) {
    if (candidate.name == name) scenario = &candidate;
  }
  if (scenario == nullptr || argc != (scenario->runWithFile ? 4 : 3)) return Usage();
  if (!scenario->runWithFile) return e2e::RunScenario(name, argv[2], scenario->run);

  const std::wstring file = argv[3];
  return e2e::RunScenario(name, argv[2], [&](e2e::Checker& check, const std::wstring& program) {
    scenario->runWithFile(check, program, e2e::ResolveProgramPath(file));
  });
}
