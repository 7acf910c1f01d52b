// A number's compact text answers every read that starts inside it as the
// whole text would: where an integer and a real read stop, values too large
// for their type, lone signs and points, and runs too long to keep.
#include "input/number_text.h"

#include <gtest/gtest.h>

#include <string>

namespace lwall {
namespace {

void Digits(DigitRun& run, const std::string& digits) {
  run.Append(digits.data(), digits.data() + digits.size());
}

// "-12.5e3" with its tail read, as a real read leaves it.
NumberText Example() {
  NumberText n;
  n.sign = '-';
  Digits(n.integer, "12");
  n.tail_read = true;
  n.point = true;
  Digits(n.fraction, "5");
  n.exponent_marker = 'e';
  Digits(n.exponent, "3");
  return n;
}

TEST(NumberText, IntegerReadsStopAtThePointRealReadsTakeItAll) {
  const NumberText n = Example();
  EXPECT_EQ(n.length(), 7u);
  EXPECT_EQ(n.PointAt(), 3u);
  EXPECT_EQ(n.ExponentAt(), 5u);
  int i = 0;
  NumberRead r = ReadIntAt(n, 0, i);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(i, -12);
  EXPECT_EQ(r.next, 3u);
  double v = 0;
  r = ReadRealAt(n, 0, v);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(v, -12500.0);
  EXPECT_EQ(r.next, 7u);
  // A real read starting at the point (after an integer read) reads ".5e3".
  r = ReadRealAt(n, n.PointAt(), v);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(v, 500.0);
  // An integer read at the point reads nothing and stays there.
  r = ReadIntAt(n, n.PointAt(), i);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.next, n.PointAt());
  std::string text;
  EXPECT_TRUE(n.TextFrom(1, 100, text));
  EXPECT_EQ(text, "12.5e3");
}

TEST(NumberText, AValueTooLargeForItsTypeFailsWhereItStarts) {
  NumberText n;
  Digits(n.integer, "2147483648");
  int i = 7;
  NumberRead r = ReadIntAt(n, 0, i);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.too_large);
  EXPECT_EQ(r.next, 0u);
  n.Clear();
  Digits(n.integer, "2147483647");
  EXPECT_TRUE(ReadIntAt(n, 0, i).ok);
  EXPECT_EQ(i, 2147483647);

  NumberText huge;
  huge.sign = '+';
  Digits(huge.integer, "1");
  huge.tail_read = true;
  huge.exponent_marker = 'E';
  Digits(huge.exponent, "400");
  double v = 0;
  r = ReadRealAt(huge, 0, v);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.too_large);
  EXPECT_EQ(r.next, 0u);
}

TEST(NumberText, ALoneSignOrPointIsTakenUpByARealRead) {
  NumberText sign;
  sign.sign = '-';
  sign.tail_read = true;
  double v = 1;
  NumberRead r = ReadRealAt(sign, 0, v);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.next, 1u);
  NumberText point;
  point.tail_read = true;
  point.point = true;
  r = ReadRealAt(point, 0, v);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.next, 1u);
}

// Past 800 significant digits the value is still rounded right (one sticky
// digit stands for the rest), but the text itself is no longer known.
TEST(NumberText, ARunTooLongToKeepStillReadsRightButCannotBeQuotedWhole) {
  NumberText n;
  Digits(n.integer, "0");
  n.tail_read = true;
  n.point = true;
  Digits(n.fraction, "00" + std::string(900, '1'));
  EXPECT_EQ(n.fraction.leading_zeros(), 2u);
  EXPECT_EQ(n.fraction.significant_count(), 900u);
  EXPECT_FALSE(n.fraction.lossless());
  double v = 0;
  EXPECT_TRUE(ReadRealAt(n, 0, v).ok);
  EXPECT_EQ(v, 0.001111111111111111111);
  std::string text;
  EXPECT_TRUE(n.TextFrom(0, 10, text));
  EXPECT_EQ(text, "0.00111111");
  text.clear();
  EXPECT_FALSE(n.TextFrom(0, 1000, text));
}

}  // namespace
}  // namespace lwall
