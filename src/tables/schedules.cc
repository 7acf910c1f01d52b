// The schedules, in their drawing order.
#include "tables/schedules.h"

namespace lwall {

void DrawSchedules(RunState& run) { (void)run; }

}  // namespace lwall
