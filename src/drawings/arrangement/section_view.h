// The section view of the wall and footing: outline, title, overall and
// cover-chain dimensions, and the main bars W2, W1, W5, F1 and F2 with their
// callouts.
#ifndef LWALL_DRAWINGS_ARRANGEMENT_SECTION_VIEW_H_
#define LWALL_DRAWINGS_ARRANGEMENT_SECTION_VIEW_H_

#include "kernel/run_state.h"

namespace lwall {

// Draws the first half of the section view; leaves layer "D-STR-STR1" current
// for the section details that follow.
void DrawSectionView(RunState& run);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ARRANGEMENT_SECTION_VIEW_H_
