#pragma once
// What every driver does around one scenario: name the image it drives, run the scenario with a checker, and
// report how many checks failed.

#include <functional>
#include <string>
#include <string_view>

#include "Check.h"

namespace e2e {

// Runs `scenario` against the program named by `programArgument` (a Windows or Unix path) and returns the
// process exit code: 0 when every check passed, 1 otherwise. Errors that escape the scenario are failures.
int RunScenario(std::wstring_view name, const std::wstring& programArgument,
                const std::function<void(Checker& check, const std::wstring& program)>& scenario);

} // namespace e2e
