#pragma once
// Coordinate arithmetic that reports signed 32-bit overflow instead of wrapping.

#include <cstdint>

#include "Exceptions.h"

inline std::int32_t CheckedSubtract(std::int32_t a, std::int32_t b) {
  const std::int64_t difference = std::int64_t{a} - std::int64_t{b};
  if (difference < INT32_MIN || difference > INT32_MAX) throw EIntOverflow();
  return static_cast<std::int32_t>(difference);
}
