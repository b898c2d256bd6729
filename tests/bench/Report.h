#pragma once
// The benchmark's figures as a Markdown table: medians with their range, the ratio to the baseline, the target.

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Summary {
  double median = 0;
  double min = 0;
  double max = 0;
};

// Of at least one value.
Summary Summarize(std::vector<double> values);

struct Row {
  std::string measure;
  std::string unit;
  Summary program;
  // Nothing where the baseline has no such figure.
  std::optional<Summary> baseline;
  // For example "<= 1.15x"; empty where there is none.
  std::string target;
  // Nothing where there is no target.
  std::optional<bool> met;
  // Decimals shown.
  int precision = 1;
};

// Pellacord's median over the baseline's; nothing when the baseline's is 0.
std::optional<double> Ratio(const Row& row);

std::string MarkdownTable(const std::vector<Row>& rows);

} // namespace bench
