// pellacord-driver <scenario> <program.exe> [<file>]: drives the program from outside and exits non-zero when a
// check fails. One scenario needs a second file, named after the program.

#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "ScenarioTable.h"
#include "support/Check.h"
#include "support/Process.h"
#include "support/RunScenario.h"
#include "support/Text.h"

namespace {

constexpr int exitUsage = 2;

int Usage() {
  std::string names;
  for (const e2e::ScenarioEntry& scenario : e2e::scenarioTable) {
    names += " " + e2e::ToUtf8(scenario.name) + (scenario.runWithFile ? " (with <file>)" : "");
  }
  std::fprintf(stderr, "usage: pellacord-driver <scenario> <program.exe> [<file>]\nscenarios:%s\n", names.c_str());
  return exitUsage;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return Usage();
  const std::wstring_view name = argv[1];
  const e2e::ScenarioEntry* scenario = nullptr;
  for (const e2e::ScenarioEntry& candidate : e2e::scenarioTable) {
    if (candidate.name == name) scenario = &candidate;
  }
  if (scenario == nullptr || argc != (scenario->runWithFile ? 4 : 3)) return Usage();
  if (!scenario->runWithFile) return e2e::RunScenario(name, argv[2], scenario->run);

  const std::wstring file = argv[3];
  return e2e::RunScenario(name, argv[2], [&](e2e::Checker& check, const std::wstring& program) {
    scenario->runWithFile(check, program, e2e::ResolveProgramPath(file));
  });
}
