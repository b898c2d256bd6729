#pragma once
// The driver's scenarios by name, made from tests/e2e/scenarios.table.

#include <span>
#include <string>
#include <string_view>

#include "support/Check.h"

namespace e2e {

struct ScenarioEntry {
  std::wstring_view name;
  void (*run)(Checker& check, const std::wstring& program);
  // For a scenario that is given a second file instead.
  void (*runWithFile)(Checker& check, const std::wstring& program, const std::wstring& file);
};

extern const std::span<const ScenarioEntry> scenarioTable;

} // namespace e2e
