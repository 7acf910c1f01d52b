// The footing slab plan's reinforcement: reference line, face labels and
// title, the bars of both faces, the staggered S2 ties and the callouts.
#ifndef LWALL_DRAWINGS_ASSEMBLY_FOOTING_PLAN_BARS_H_
#define LWALL_DRAWINGS_ASSEMBLY_FOOTING_PLAN_BARS_H_

#include "kernel/run_state.h"

namespace lwall {

// Draws into the plan after its dimensions. Sets s2_diameter to 13 and
// s2_count to the number of ties drawn; fills rows 8, 9 and 11.
void DrawFootingPlanBars(RunState& run);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ASSEMBLY_FOOTING_PLAN_BARS_H_
