// The footing slab plan's outline and dimensions: its length, the F1 and F2
// spacing, and along both edges the width, end covers and F3/F4 segments.
#ifndef LWALL_DRAWINGS_ASSEMBLY_FOOTING_PLAN_DIMENSIONS_H_
#define LWALL_DRAWINGS_ASSEMBLY_FOOTING_PLAN_DIMENSIONS_H_

#include "input/design_data.h"
#include "kernel/run_state.h"

namespace lwall {

// Where the plan sits on the sheet. Plan x runs across the wall as in the
// section; plan y runs along the wall, 0 on the reference line.
inline constexpr Point kFootingPlanOrigin = {10000, 32000};

// Left (toe) and right (heel) edge of the slab in plan x.
struct SlabEdges {
  double left;
  double right;
};
SlabEdges FootingSlabEdges(const DesignData& design);

// Draws the outline and every dimension of the plan, and from the second
// dimension on labels them in the "KANJI" style, which stays set for the
// rest of the sheet. Leaves layer "D-STR-DIM" current.
void DrawFootingPlanOutlineAndDimensions(RunState& run);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ASSEMBLY_FOOTING_PLAN_DIMENSIONS_H_
