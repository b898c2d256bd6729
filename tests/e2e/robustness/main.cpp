// pellacord-robustness <scenario> <program.exe> [<file>]: long and hostile runs of a program, driven from
// outside; exits non-zero when a check fails.

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
  void (*run)(e2e::Checker& check, const std::wstring& program, const std::wstring& file);
  bool needsFile;
};

constexpr Scenario scenarios[] = {
    {L"soak", robust::SoakScenario, false},
    {L"dllsearch", robust::LibrarySearchScenario, true},
    {L"failures", robust::FailureScenario, false},
};

constexpr int exitFailed = 1;
constexpr int exitUsage = 2;

int Usage() {
  std::fprintf(stderr, "usage: pellacord-robustness soak|failures <program.exe>\n"
                       "       pellacord-robustness dllsearch <program.exe> <planted.dll>\n");
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
  if (scenario == nullptr || argc != (scenario->needsFile ? 4 : 3)) return Usage();

  // Coordinates of the program's per-monitor aware windows are then read unscaled.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

  e2e::Checker check;
  try {
    const std::wstring program = e2e::ResolveProgramPath(argv[2]);
    const std::wstring file = scenario->needsFile ? e2e::ResolveProgramPath(argv[3]) : std::wstring();
    std::printf("image: %s (%s)\n", e2e::ToUtf8(program).c_str(), e2e::DescribeImage(program).c_str());
    std::fflush(stdout);
    scenario->run(check, program, file);
  } catch (const e2e::ScenarioAborted&) {
    std::printf("scenario stopped at the first failure it cannot go on from\n");
  } catch (const std::exception& error) {
    check.Fail("the scenario runs to its end", "no error", error.what());
  }
  std::printf("%s: %d checks, %d failed\n", e2e::ToUtf8(name).c_str(), check.Checks(), check.Failures());
  return check.Failures() == 0 ? 0 : exitFailed;
}
