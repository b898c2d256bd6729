#include "RunScenario.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "Process.h"
#include "Session.h"
#include "Text.h"

namespace e2e {

int RunScenario(std::wstring_view name, const std::wstring& programArgument,
                const std::function<void(Checker& check, const std::wstring& program)>& scenario) {
  // Coordinates of the program's per-monitor aware windows are then read unscaled.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

  Checker check;
  std::optional<std::string> skipped;
  std::string run = "the image named " + ToUtf8(programArgument);
  try {
    const std::wstring program = ResolveProgramPath(programArgument);
    run = DescribeRun(program);
    check.SetSubject(run);
    std::printf("image: %s: %s\n", ToUtf8(program).c_str(), run.c_str());
    std::fflush(stdout);
    scenario(check, program);
  } catch (const ScenarioSkipped& skip) {
    skipped = skip.what();
  } catch (const ScenarioAborted&) {
    std::printf("scenario stopped at the first failure it cannot go on from\n");
  } catch (const std::exception& error) {
    check.Fail("the scenario runs to its end", "no error", error.what());
  }
  std::printf("%s on %s: %d checks, %d failed\n", ToUtf8(name).c_str(), run.c_str(), check.Checks(), check.Failures());
  if (check.Failures() != 0) return exitFailed;
  if (skipped) {
    // The line that the test run's summary of skips quotes.
    std::printf("skipped: %s\n", skipped->c_str());
    return exitSkipped;
  }
  return exitPassed;
}

} // namespace e2e
