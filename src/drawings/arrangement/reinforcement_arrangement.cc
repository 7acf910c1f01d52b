// The reinforcement arrangement drawing, view by view.
#include "drawings/arrangement/reinforcement_arrangement.h"

namespace lwall {

void DrawReinforcementArrangement(RunState& run) { (void)run; }

}  // namespace lwall
