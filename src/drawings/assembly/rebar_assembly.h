// The rebar assembly drawing: sheet frame, title, assembly section and footing slab plan.
#ifndef LWALL_DRAWINGS_ASSEMBLY_REBAR_ASSEMBLY_H_
#define LWALL_DRAWINGS_ASSEMBLY_REBAR_ASSEMBLY_H_

#include "kernel/run_state.h"

namespace lwall {

// Draws the frame, the title, the assembly section and the footing plan, and
// fills bar schedule rows 1, 2, 5, 6, 7, 8, 9 and 11.
void DrawRebarAssemblyDrawing(RunState& run);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ASSEMBLY_REBAR_ASSEMBLY_H_
