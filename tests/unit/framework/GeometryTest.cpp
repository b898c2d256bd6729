#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "Geometry.h"

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(CentredIn, CentresWithHalvesTruncatedTowardZero) {
  const struct {
    const char* name;
    TRect area;
    std::int32_t width, height;
    TPoint expected;
  } cases[] = {
      {"primary with a taskbar below", {0, 0, 1280, 984}, 300, 151, {490, 416}},
      {"work area offset by a bar", {48, 32, 1280, 984}, 301, 150, {513, 433}},
      {"monitor left of the primary", {-1920, 0, 0, 1040}, 300, 150, {-1110, 445}},
      {"box wider than the area", {0, 0, 200, 200}, 301, 100, {-50, 50}},
      {"odd negative remainder", {0, 0, 100, 100}, 103, 100, {-1, 0}},
      {"zero-sized box", {0, 0, 1280, 1024}, 0, 0, {640, 512}},
      {"area wider than 32 bits can span", {-2000000000, kMin, 2000000000, kMax}, 100, 0, {-50, -1}},
      {"box as wide as 32 bits allow", {kMax - 10, 0, kMax, 10}, kMax, 10, {1073741819, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(CentredIn(c.area, c.width, c.height), c.expected) << c.name;
}

} // namespace
