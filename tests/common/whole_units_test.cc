// The whole-unit path of the number formatter against the general 17-digit
// expansion, over every value where the two could part: each whole number
// and each half the path serves, the doubles either side of them, its limits,
// and random doubles of every size.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "common/number_format.h"

namespace lwall {
namespace {

// What the whole-unit path writes, or "(not served)".
std::string ByWholeUnits(double value, int width) {
  std::array<char, kWholeUnitRoom> field;  // exactly the room promised
  const char* end = WriteWholeUnits(field.data(), value, width);
  if (end == nullptr) return "(not served)";
  return std::string(field.data(), static_cast<std::size_t>(end - field.data()));
}

std::string ByExpansion(double value, int width) {
  std::string text;
  AppendFixedByExpansion(text, value, width, 0);
  return text;
}

TEST(WholeUnits, AgreesWithTheExpansionOnEveryWholeAndHalfAndTheirNeighbours) {
  // k / 2 runs over every whole number and every half below the limit, of
  // either sign; the doubles just inside and outside each are where a
  // rounding rule shows itself. The widths the sheet uses (5 for
  // coordinates, 3 for pitches, 0 for the picture) take turns, with the rest
  // up to the widest served.
  constexpr int kWidths[] = {5, 3, 0, 5, 1, 2, 4, 5, 6, 7, 8};
  const auto limit = static_cast<std::int64_t>(kWholeUnitLimit);
  std::size_t turn = 0;
  for (std::int64_t k = -2 * limit + 1; k < 2 * limit; ++k) {
    const double value = static_cast<double>(k) / 2;
    for (const double v : {value, std::nextafter(value, -1e300), std::nextafter(value, 1e300)}) {
      const int width = kWidths[turn++ % std::size(kWidths)];
      const std::string fast = ByWholeUnits(v, width);
      if (fast != ByExpansion(v, width)) {
        FAIL() << std::hexfloat << v << " width " << width << ": \"" << fast << "\" against \""
               << ByExpansion(v, width) << "\"";
      }
    }
  }
}

TEST(WholeUnits, ServesBelowItsLimitOnlyAndWithinItsWidths) {
  const double below = std::nextafter(kWholeUnitLimit, 0.0);
  EXPECT_EQ(ByWholeUnits(below, 5), "131072");
  EXPECT_EQ(ByWholeUnits(-below, 8), " -131072");
  EXPECT_EQ(ByWholeUnits(kWholeUnitLimit, 5), "(not served)");
  EXPECT_EQ(ByWholeUnits(-kWholeUnitLimit, 5), "(not served)");
  EXPECT_EQ(ByWholeUnits(std::numeric_limits<double>::infinity(), 5), "(not served)");
  EXPECT_EQ(ByWholeUnits(std::numeric_limits<double>::quiet_NaN(), 5), "(not served)");
  EXPECT_EQ(ByWholeUnits(12, -1), "(not served)");
  EXPECT_EQ(ByWholeUnits(12, kWholeUnitMaxWidth + 1), "(not served)");
  EXPECT_EQ(ByWholeUnits(-0.0, 0), "-0");
  EXPECT_EQ(ByWholeUnits(std::numeric_limits<double>::denorm_min(), 3), "  0");
  // What is not served still comes out right through the general way.
  EXPECT_EQ(FormatFixed(kWholeUnitLimit + 0.5, 5, 0), "131073");
  EXPECT_EQ(FormatFixed(-2.5, 9, 0), "       -3");
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 5, 0), "    0");
}

TEST(WholeUnits, AgreesWithTheExpansionOnRandomDoubles) {
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> served(-kWholeUnitLimit, kWholeUnitLimit);
  std::uniform_int_distribution<int> width(0, kWholeUnitMaxWidth);
  for (int i = 0; i < 300000; ++i) {
    // Uniform over the served range, and any bit pattern at all (mostly far
    // outside it, some tiny, a few not finite).
    const double v = i % 2 == 0 ? served(random) : std::bit_cast<double>(random());
    const int w = width(random);
    const std::string fast = ByWholeUnits(v, w);
    if (fast != "(not served)") {
      ASSERT_EQ(fast, ByExpansion(v, w)) << std::hexfloat << v << " width " << w;
    }
    std::string text;
    AppendFixed(text, v, w, 0);
    ASSERT_EQ(text, ByExpansion(v, w)) << std::hexfloat << v << " width " << w;
  }
}

TEST(WriteInPlace, WritesWhatTheAppendingFormsAppendWithinTheStatedRoom) {
  const double max = std::numeric_limits<double>::max();
  for (const double v : {0.0, -0.5, 87.5, 99999.5, 131072.0, 1e20, -max, max}) {
    for (const int precision : {0, 1, 3}) {
      std::array<char, FixedRoom(5, 3)> room;
      const char* end = WriteFixed(room.data(), v, 5, precision);
      ASSERT_LE(static_cast<std::size_t>(end - room.data()), FixedRoom(5, precision));
      EXPECT_EQ(std::string_view(room.data(), static_cast<std::size_t>(end - room.data())),
                FormatFixed(v, 5, precision));
    }
  }
  for (const std::int64_t v :
       {std::int64_t{0}, std::int64_t{-7}, std::numeric_limits<std::int64_t>::min()}) {
    std::array<char, kIntRoom> room;
    const char* end = WriteInt(room.data(), v);
    EXPECT_EQ(std::string_view(room.data(), static_cast<std::size_t>(end - room.data())),
              FormatInt(v));
  }
}

}  // namespace
}  // namespace lwall
