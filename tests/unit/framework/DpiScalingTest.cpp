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
      {441, 120, 96, 551}, // 551.25
      {624, 120, 96, 780},
      {75, 120, 96, 94}, // 93.75
      {25, 120, 96, 31}, // 31.25
      {-12, 120, 96, -15},
      {441, 168, 96, 772}, // 771.75
      {624, 168, 96, 1092},
      {75, 168, 96, 131}, // 131.25
      {25, 168, 96, 44},  // 43.75
      {-12, 168, 96, -21},
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

TEST(LayoutDpi, FollowsTheMonitorButNeverBelowTheDesignResolution) {
  const struct {
    std::int32_t monitorDpi, expected;
  } cases[] = {
      {72, 96}, {95, 96}, {96, 96}, {97, 97}, {120, 120}, {144, 144}, {168, 168}, {0, 96},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LayoutDpi(c.monitorDpi), c.expected) << "monitor at " << c.monitorDpi << " DPI";
  }
}

} // namespace
