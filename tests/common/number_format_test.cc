#include "common/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

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

namespace lwall {
namespace {

// The rounding rule spelled out the slow way: printf's 17 significant
// digits, then halves away from zero at the last printed place.
std::string Reference(double value, int width, int precision) {
  char sci[64];
  std::snprintf(sci, sizeof sci, "%.16e", std::fabs(value));
  std::string digits = std::string(1, sci[0]) + std::string(sci + 2, 16);
  const int exponent = std::atoi(std::strchr(sci, 'e') + 1);
  const long keep = exponent + 1L + precision;
  std::string kept;
  if (value == 0 || keep < 0) {
    kept = "0";
  } else if (keep >= 17) {
    kept = digits + std::string(static_cast<std::size_t>(keep - 17), '0');
  } else {
    kept = digits.substr(0, static_cast<std::size_t>(keep));
    if (digits[static_cast<std::size_t>(keep)] >= '5') {
      long i = keep - 1;
      while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
        kept[static_cast<std::size_t>(i--)] = '0';
      if (i < 0)
        kept.insert(kept.begin(), '1');
      else
        ++kept[static_cast<std::size_t>(i)];
    }
    if (kept.empty()) kept = "0";
  }
  const std::size_t frac = static_cast<std::size_t>(precision);
  if (kept.size() <= frac) kept.insert(0, frac + 1 - kept.size(), '0');
  std::size_t first = 0;
  while (first + 1 < kept.size() - frac && kept[first] == '0') ++first;
  std::string text =
      (std::signbit(value) ? "-" : "") + kept.substr(first, kept.size() - frac - first);
  if (frac > 0) text += "." + kept.substr(kept.size() - frac);
  if (text.size() < static_cast<std::size_t>(width)) text.insert(0, width - text.size(), ' ');
  return text;
}

TEST(FormatFixed, AgreesWithTheSeventeenDigitRuleOnManyValues) {
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> scale(-4, 16);
  for (int i = 0; i < 200000; ++i) {
    double v = unit(random) * std::pow(10.0, scale(random));
    if (i % 4 == 1) v = std::round(v * 2) / 2;                       // exact halves
    if (i % 4 == 2) v = std::nextafter(std::round(v * 2) / 2, 0.0);  // just inside a half
    if (i % 4 == 3) v = std::nextafter(std::round(v * 2) / 2, 1e300);
    for (int precision : {0, 1, 3}) {
      ASSERT_EQ(FormatFixed(v, 5, precision), Reference(v, 5, precision))
          << std::hexfloat << v << " precision " << precision;
    }
  }
}

}  // namespace
}  // namespace lwall
