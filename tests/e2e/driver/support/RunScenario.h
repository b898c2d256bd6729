#pragma once
// What every driver does around one scenario: name the image it drives, run the scenario with a checker, and
// report how many checks failed.

#include <functional>
#include <string>
#include <string_view>

#include "Check.h"

namespace e2e {

inline constexpr int exitPassed = 0;
inline constexpr int exitFailed = 1;
// What ctest takes for a skip (SKIP_RETURN_CODE), as the harness's own skips.
inline constexpr int exitSkipped = 77;

// Runs `scenario` against the program named by `programArgument` (a Windows or Unix path) and returns the
// process exit code: exitFailed when a check failed, else exitSkipped when the scenario skipped itself (with
// its reason printed on a line "skipped: <reason>"), else exitPassed. Errors that escape the scenario are
// failures.
int RunScenario(std::wstring_view name, const std::wstring& programArgument,
                const std::function<void(Checker& check, const std::wstring& program)>& scenario);

} // namespace e2e
