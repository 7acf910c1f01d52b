// Bar length and mass rules.
#include "kernel/rebar_rules.h"

#include <algorithm>
#include <cmath>

namespace lwall {

namespace {

// Anchorage length required for a bar of diameter d: 31.25 d, rounded up to
// a multiple of 10 mm.
double AnchorageRequired(double d) {
  double a = 31.25 * d;
  const double tens = a / 10.0;
  if (tens != std::floor(tens)) a = (std::floor(tens) + 1.0) * 10.0;
  return a;
}

// The leg needed below the footing's room, in bar diameters. A bar of
// diameter 0 needs none (rather than dividing by zero).
double LegInDiameters(const DesignData& design, double d) {
  if (d == 0.0) return 0.0;
  const double room = design.footing_thickness - design.cover_footing_bottom - 3.0 * d;
  return (3.0 * d + (AnchorageRequired(d) - room)) / d;
}

}  // namespace

double LengthByType(double diameter, int type) {
  if (type == 1) return 32.0 * diameter;
  if (type == 2) return 15.0 * diameter;
  return 0.0;
}

double UnitMass(double diameter) {
  struct Entry {
    double diameter;
    double mass;
  };
  static constexpr Entry kTable[] = {
      {13, 0.995}, {16, 1.56}, {19, 2.25}, {22, 3.04}, {25, 3.98}, {29, 5.04},
      {32, 6.23},  {35, 7.51}, {38, 8.95}, {41, 10.5}, {51, 15.9},
  };
  for (const Entry& e : kTable) {
    if (e.diameter == diameter) return e.mass;
  }
  return 0.0;
}

WallBarLengthSet WallBarLengths(const DesignData& design, double total_height, double d2,
                                double d1) {
  // The next multiple of 500 above the total height.
  const double total = std::trunc((std::floor(2.0 * total_height / 1000.0) + 1.0) * 500.0);
  const double limit = total_height - 210.0;
  auto bar = [&](double d, double& straight, double& leg) {
    leg = d * std::ceil(LegInDiameters(design, d));
    if (leg < LengthByType(std::trunc(d), 2)) leg = 15.0 * std::trunc(d);
    straight = total - leg;
    if (straight > limit) straight -= 500.0;
  };
  WallBarLengthSet r{};
  bar(d2, r.w2_straight, r.w2_leg);
  bar(d1, r.w1_straight, r.w1_leg);
  r.crown_leg = limit - std::min(r.w2_straight, r.w1_straight) + 260.0;
  return r;
}

double FootingHookLength(const DesignData& design, double diameter, int type) {
  const double minimum = LengthByType(std::trunc(diameter), type);
  const double f = LegInDiameters(design, diameter);
  const double g = std::ceil(f);
  // f rounded to the nearest whole number of diameters, halves up.
  const double h = g - f > 0.5 ? diameter * std::floor(f) : diameter * g;
  return h < minimum ? minimum : h;
}

}  // namespace lwall
