// pellacord-robustness <scenario> <program.exe> [<file>]: long and hostile runs of a program, driven from
// outside; exits non-zero when a check fails.

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
  void (*run)(e2e::Checker& check, const std::wstring& program, const std::wstring& file);
  bool needsFile;
};

constexpr Scenario scenarios[] = {
    {L"soak", robust::SoakScenario, false},
    {L"dllsearch", robust::LibrarySearchScenario, true},
    {L"failures", robust::FailureScenario, false},
};

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

  const std::wstring file = scenario->needsFile ? argv[3] : L"";
  return e2e::RunScenario(name, argv[2], [&](e2e::Checker& check, const std::wstring& program) {
    scenario->run(check, program, file.empty() ? file : e2e::ResolveProgramPath(file));
  });
}
