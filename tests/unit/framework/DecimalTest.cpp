#include <gtest/gtest.h>

#include "Decimal.h"

namespace {

TEST(DecimalText, WritesEveryDigitWithoutLeadingZeros) {
  const struct {
    std::uint32_t value;
    const wchar_t* expected;
  } cases[] = {
      {0, L"0"}, {7, L"7"}, {10, L"10"}, {1400, L"1400"}, {2147483648u, L"2147483648"}, {4294967295u, L"4294967295"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecimalText(c.value), c.expected) << c.value;
}

} // namespace
