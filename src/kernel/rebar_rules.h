// The engineering rules that size bars: lengths by diameter multiple, unit
// masses of deformed bars, the straight and anchorage lengths of the wall
// bars and the hook length of the footing bars.
#ifndef LWALL_KERNEL_REBAR_RULES_H_
#define LWALL_KERNEL_REBAR_RULES_H_

#include "input/design_data.h"

namespace lwall {

// Type 1: 32 diameters (the crown bar leg); type 2: 15 diameters (the
// minimum anchorage and hook leg). Other types give 0.
double LengthByType(double diameter, int type);

// kg/m of a deformed bar of nominal diameter d (D13 ... D51); 0 for others.
double UnitMass(double diameter);

struct WallBarLengthSet {
  double crown_leg;  // W5 leg
  double w2_straight;
  double w2_leg;  // W2 anchorage leg in the footing
  double w1_straight;
  double w1_leg;
};

// Lengths of the wall bars W2 (diameter d2) and W1 (diameter d1) for a total
// height of footing plus wall, and the leg of the crown bar W5 that laps them.
WallBarLengthSet WallBarLengths(const DesignData& design, double total_height, double d2,
                                double d1);

// Hook leg of a footing bar of diameter d, at least LengthByType(d, type).
double FootingHookLength(const DesignData& design, double diameter, int type);

}  // namespace lwall

#endif  // LWALL_KERNEL_REBAR_RULES_H_
