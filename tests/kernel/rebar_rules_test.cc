// The bar length and mass rules, on the footing of the worked example
// (400 thick, bottom cover 70) and on designs that would divide by zero.
#include "kernel/rebar_rules.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lwall {
namespace {

DesignData Footing(double thickness, double bottom_cover) {
  DesignData d;
  d.footing_thickness = thickness;
  d.cover_footing_bottom = bottom_cover;
  return d;
}

TEST(LengthByTypeTest, MultiplesOfTheDiameter) {
  EXPECT_EQ(LengthByType(13, 1), 416.0);
  EXPECT_EQ(LengthByType(16, 2), 240.0);
  EXPECT_EQ(LengthByType(0, 2), 0.0);
  EXPECT_EQ(LengthByType(2147483647, 1), 32.0 * 2147483647.0);  // no integer overflow
}

TEST(UnitMassTest, DeformedBarTableAndZeroForOtherDiameters) {
  const struct {
    int d;
    double mass;
  } table[] = {{13, 0.995}, {16, 1.56}, {19, 2.25}, {22, 3.04}, {25, 3.98}, {29, 5.04},
               {32, 6.23},  {35, 7.51}, {38, 8.95}, {41, 10.5}, {51, 15.9}};
  for (const auto& row : table) EXPECT_EQ(UnitMass(row.d), row.mass) << "D" << row.d;
  EXPECT_EQ(UnitMass(10), 0.0);
  EXPECT_EQ(UnitMass(0), 0.0);
  EXPECT_EQ(UnitMass(14), 0.0);
}

// A = 410 (406.25 rounded up), f = 158/13, leg 169 raised to 15 d = 195,
// straight 2305 lowered by 500 below H - 210 = 2190, W5 leg 2190 - 1805 + 260.
TEST(WallBarLengthsTest, WorkedExampleWithTwoD13Bars) {
  const WallBarLengthSet r = WallBarLengths(Footing(400, 70), 2400, 13, 13);
  EXPECT_EQ(r.crown_leg, 645.0);
  EXPECT_EQ(r.w2_straight, 1805.0);
  EXPECT_EQ(r.w2_leg, 195.0);
  EXPECT_EQ(r.w1_straight, 1805.0);
  EXPECT_EQ(r.w1_leg, 195.0);
}

// D16: A = 500 is already a multiple of 10; f = 266/16 = 16.625, leg 17 d =
// 272 (above 15 d). The crown leg laps the shorter of the two straights.
TEST(WallBarLengthsTest, DifferentDiametersAndTheShorterStraight) {
  const WallBarLengthSet r = WallBarLengths(Footing(400, 70), 2400, 16, 13);
  EXPECT_EQ(r.w2_leg, 272.0);
  EXPECT_EQ(r.w2_straight, 1728.0);
  EXPECT_EQ(r.w1_leg, 195.0);
  EXPECT_EQ(r.w1_straight, 1805.0);
  EXPECT_EQ(r.crown_leg, 722.0);
}

// The total is the next multiple of 500 above H, also when H is one; the
// straight length is shortened by 500 only when it would reach above H - 210.
TEST(WallBarLengthsTest, TotalAboveHAndStraightKeptWithinTheLimit) {
  // H 2500: total 3000, straight 2805 > 2290 -> 2305.
  EXPECT_EQ(WallBarLengths(Footing(400, 70), 2500, 13, 13).w2_straight, 2305.0);
  // H 2950: total 3000; D16 straight 2728 <= 2740 is kept, D13 2805 is not.
  const WallBarLengthSet r = WallBarLengths(Footing(400, 70), 2950, 16, 13);
  EXPECT_EQ(r.w2_straight, 2728.0);
  EXPECT_EQ(r.w1_straight, 2305.0);
  EXPECT_EQ(r.crown_leg, 2740.0 - 2305.0 + 260.0);
}

TEST(FootingHookLengthTest, WorkedExampleRaisedToTheMinimum) {
  // f = 12.15 rounds to 12: 156 < 15 x 13.
  EXPECT_EQ(FootingHookLength(Footing(400, 70), 13, 2), 195.0);
  EXPECT_EQ(FootingHookLength(Footing(400, 70), 13, 1), 416.0);
}

// f rounded to the nearest whole number of diameters, halves up. For D16,
// f = (596 - footing + cover) / 16.
TEST(FootingHookLengthTest, RoundsTheLegHalvesUp) {
  EXPECT_EQ(FootingHookLength(Footing(342, 70), 16, 2), 320.0);  // f = 20.25
  EXPECT_EQ(FootingHookLength(Footing(338, 70), 16, 2), 336.0);  // f = 20.5
  EXPECT_EQ(FootingHookLength(Footing(334, 70), 16, 2), 336.0);  // f = 20.75
}

TEST(ZeroDiameterTest, LengthRulesGiveZeroLegs) {
  const WallBarLengthSet r = WallBarLengths(Footing(400, 70), 2400, 0, 0);
  EXPECT_EQ(r.w2_leg, 0.0);
  EXPECT_EQ(r.w1_leg, 0.0);
  EXPECT_EQ(r.w2_straight, 2000.0);  // 2500 above the limit 2190
  EXPECT_EQ(r.w1_straight, 2000.0);
  EXPECT_EQ(r.crown_leg, 450.0);
  EXPECT_EQ(FootingHookLength(Footing(400, 70), 0, 1), 0.0);
  EXPECT_EQ(FootingHookLength(Footing(400, 70), 0, 2), 0.0);
}

// An all-zero design data file still gives finite lengths everywhere.
TEST(ZeroDiameterTest, AllZeroDesignGivesFiniteNumbers) {
  const DesignData zero;
  for (double d : {0.0, 13.0}) {
    const WallBarLengthSet r = WallBarLengths(zero, 0, d, d);
    for (double v : {r.crown_leg, r.w2_straight, r.w2_leg, r.w1_straight, r.w1_leg}) {
      EXPECT_TRUE(std::isfinite(v)) << "d " << d;
    }
    EXPECT_TRUE(std::isfinite(FootingHookLength(zero, d, 1)));
    EXPECT_TRUE(std::isfinite(FootingHookLength(zero, d, 2)));
  }
}

}  // namespace
}  // namespace lwall
