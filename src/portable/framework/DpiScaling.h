#pragma once
// Scaling of lengths between resolutions, rounded as the system's MulDiv rounds.

#include <cstdint>

// value * numerator / denominator rounded to the nearest integer, halves away from zero; -1 when the
// denominator is 0 or the result does not fit, as MulDiv answers.
constexpr std::int32_t MulDivRound(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
  if (denominator == 0) return -1;
  std::int64_t product = std::int64_t{value} * numerator;
  const bool negative = (product < 0) != (denominator < 0);
  const std::uint64_t magnitude =
      product < 0 ? static_cast<std::uint64_t>(-product) : static_cast<std::uint64_t>(product);
  const std::uint64_t divisor = denominator < 0 ? static_cast<std::uint64_t>(-std::int64_t{denominator})
                                                : static_cast<std::uint64_t>(denominator);
  const std::uint64_t rounded = (magnitude + divisor / 2) / divisor;
  if (rounded > (negative ? std::uint64_t{INT32_MAX} + 1 : std::uint64_t{INT32_MAX})) return -1;
  return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(rounded)) : static_cast<std::int32_t>(rounded);
}

constexpr std::int32_t kDesignDpi = 96;

// The resolution a form lays itself out for on a monitor of `monitorDpi`: the monitor's, but never below the
// design resolution, so that a form on a monitor of less than 96 DPI keeps its designed lengths.
constexpr std::int32_t LayoutDpi(std::int32_t monitorDpi) { return monitorDpi > kDesignDpi ? monitorDpi : kDesignDpi; }
