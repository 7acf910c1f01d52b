// The reinforcement arrangement drawing: the section view and the wall face view.
#ifndef LWALL_DRAWINGS_ARRANGEMENT_REINFORCEMENT_ARRANGEMENT_H_
#define LWALL_DRAWINGS_ARRANGEMENT_REINFORCEMENT_ARRANGEMENT_H_

#include "kernel/run_state.h"

namespace lwall {

// Draws both views and fills bar schedule rows 3 (W3), 4 (W4) and 10 (S1).
void DrawReinforcementArrangement(RunState& run);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ARRANGEMENT_REINFORCEMENT_ARRANGEMENT_H_
