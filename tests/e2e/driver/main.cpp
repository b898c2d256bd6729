// pellacord-driver <scenario> <program.exe>: drives the program from outside and exits non-zero when a
// check fails.

#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "Scenarios.h"
#include "support/Check.h"
#include "support/Image.h"
#include "support/Process.h"
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
    {L"smoke32", e2e::Smoke32Scenario},
};

constexpr int exitFailed = 1;
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

  // Coordinates of the program's per-monitor aware windows are then read unscaled.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

  e2e::Checker check;
  try {
    const std::wstring program = e2e::ResolveProgramPath(argv[2]);
    std::printf("image: %s (%s)\n", e2e::ToUtf8(program).c_str(), e2e::DescribeImage(program).c_str());
    std::fflush(stdout);
    scenario->run(check, program);
  } catch (const e2e::ScenarioAborted&) {
    std::printf("scenario stopped at the first failure it cannot go on from\n");
  } catch (const std::exception& error) {
    check.Fail("the scenario runs to its end", "no error", error.what());
  }
  std::printf("%s: %d checks, %d failed\n", e2e::ToUtf8(name).c_str(), check.Checks(), check.Failures());
  return check.Failures() == 0 ? 0 : exitFailed;
}
