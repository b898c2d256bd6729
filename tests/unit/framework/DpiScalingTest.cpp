#include <gtest/gtest.h>

#include "DpiScaling.h"

namespace {

TEST(MulDivRound, RoundsHalvesAwayFromZeroLikeTheSystem) {
  const struct {
    std::int32_t value, numerator, denominator, expected;
  } cases[] = {
      {441, 144, 96, 662}, // 661.5
      {624, 144, 96, 936},
      {32, 144, 96, 48},
      {40, 144, 96, 60},
      {96, 144, 96, 144},
      {152, 144, 96, 228},
      {75, 144, 96, 113},
      {25, 144, 96, 38},
      {-12, 144, 96, -18},
      {-11, 144, 96, -17},
      {441, 120, 96, 551},
      {3, 1, 2, 2},
      {-3, 1, 2, -2},
      {3, -1, 2, -2},
      {7, 96, 96, 7},
      {1, 1, 0, -1},
      {INT32_MAX, 2, 1, -1},
      {INT32_MIN, 1, 1, INT32_MIN},
      {INT32_MAX, 3, 3, INT32_MAX},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MulDivRound(c.value, c.numerator, c.denominator), c.expected)
        << c.value << " * " << c.numerator << " / " << c.denominator;
  }
}

} // namespace
