// The assembly section: each main bar of the wall and the footing drawn alone
// in its bent shape, with its callout, and its row of the bar schedule.
#ifndef LWALL_DRAWINGS_ASSEMBLY_ASSEMBLY_SECTION_H_
#define LWALL_DRAWINGS_ASSEMBLY_ASSEMBLY_SECTION_H_

#include "kernel/run_state.h"

namespace lwall {

// Draws W2, W1, W5, F1 and F2 at the assembly origin and fills rows 2, 1, 5,
// 6 and 7 with the lengths drawn. Leaves layer "D-STR" current.
void DrawAssemblySection(RunState& run);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ASSEMBLY_ASSEMBLY_SECTION_H_
