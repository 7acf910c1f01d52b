#include "common/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace lwall {
namespace {

TEST(FormatFixed, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(FormatWhole(87.5), "   88");
  EXPECT_EQ(FormatWhole(-87.5), "  -88");
  EXPECT_EQ(FormatWhole(0.5), "    1");
  EXPECT_EQ(FormatWhole(2.5), "    3");  // printf would give 2
  EXPECT_EQ(FormatWhole(234.5), "  235");
  EXPECT_EQ(FormatWhole(-6.5), "   -7");
}

TEST(FormatFixed, KeepsTheSignOfValuesThatRoundToZero) {
  EXPECT_EQ(FormatWhole(-0.4), "   -0");
  EXPECT_EQ(FormatWhole(-0.0), "   -0");
  EXPECT_EQ(FormatWhole(0.0), "    0");
  EXPECT_EQ(FormatFixed(-0.0004, 5, 3), "-0.000");
  EXPECT_EQ(FormatWhole(0.13), "    0");
}

TEST(FormatFixed, WidensForLongValues) {
  EXPECT_EQ(FormatWhole(123456.7), "123457");
  EXPECT_EQ(FormatWhole(99999.5), "100000");
  EXPECT_EQ(FormatFixed(-12345.5, 5, 0), "-12346");
  EXPECT_EQ(FormatFixed(1e20, 5, 0), "100000000000000000000");
}

TEST(FormatFixed, RoundsTheSeventeenDigitExpansion) {
  // 2.675 is 2.67499999999999982236431605997495353221893310546875 in binary;
  // to 17 digits 2.6749999999999998, so it rounds down at two decimals...
  EXPECT_EQ(FormatFixed(2.675, 5, 2), " 2.67");
  // ...but 0.0005 is 5.0000000000000001e-04 and rounds up at three.
  EXPECT_EQ(FormatFixed(0.0005, 5, 3), "0.001");
  // Just below a half stays below.
  EXPECT_EQ(FormatWhole(0.49999999999999994), "    0");
  EXPECT_EQ(FormatFixed(1.0005, 5, 3), "1.000");  // 1.0004999999999999
}

TEST(FormatFixed, FixedDecimals) {
  EXPECT_EQ(FormatFixed(1.22783, 5, 3), "1.228");
  EXPECT_EQ(FormatFixed(8.596, 5, 3), "8.596");
  EXPECT_EQ(FormatFixed(2.2, 5, 1), "  2.2");
  EXPECT_EQ(FormatFixed(250, 3, 0), "250");
  EXPECT_EQ(FormatFixed(9.95, 5, 1), "  9.9");  // 9.9499999999999993
  EXPECT_EQ(FormatFixed(9.96, 5, 1), " 10.0");
  EXPECT_EQ(FormatFixed(0, 5, 3), "0.000");
  EXPECT_EQ(FormatFixed(99.9996, 5, 3), "100.000");
}

TEST(FormatFixed, NeverPrintsNonFiniteValues) {
  EXPECT_EQ(FormatWhole(std::numeric_limits<double>::quiet_NaN()), "    0");
  EXPECT_EQ(FormatWhole(std::numeric_limits<double>::infinity()), "    0");
}

}  // namespace
}  // namespace lwall
