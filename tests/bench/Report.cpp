#include "Report.h"

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

std::string Number(double value, int precision) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", precision, value);
  return text;
}

std::string Cell(const Summary& summary, int precision) {
  if (summary.min == summary.max) return Number(summary.median, precision);
  return Number(summary.median, precision) + " (" + Number(summary.min, precision) + "–" +
         Number(summary.max, precision) + ")";
}

} // namespace

Summary Summarize(std::vector<double> values) {
  std::ranges::sort(values);
  const std::size_t middle = values.size() / 2;
  const double median = values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
  return {median, values.front(), values.back()};
}

std::optional<double> Ratio(const Row& row) {
  if (!row.baseline || row.baseline->median == 0) return std::nullopt;
  return row.program.median / row.baseline->median;
}

std::string MarkdownTable(const std::vector<Row>& rows) {
  std::string table = "| Measure | Unit | Pellacord: median (min–max) | Baseline: median (min–max) | Ratio | Target | "
                      "Met |\n|---|---|---:|---:|---:|---|---|\n";
  for (const Row& row : rows) {
    const std::optional<double> ratio = Ratio(row);
    table += "| " + row.measure + " | " + row.unit + " | " + Cell(row.program, row.precision) + " | " +
             (row.baseline ? Cell(*row.baseline, row.precision) : "n/a") + " | " +
             (ratio ? Number(*ratio, 2) + "x" : "—") + " | " + (row.target.empty() ? "—" : row.target) + " | " +
             (row.met ? (*row.met ? "yes" : "**no**") : "—") + " |\n";
  }
  return table;
}

} // namespace bench
