// The schedules of the sheet: bar shape legend, bending schedule, mass table
// and materials table.
#ifndef LWALL_TABLES_SCHEDULES_H_
#define LWALL_TABLES_SCHEDULES_H_

#include "kernel/run_state.h"

namespace lwall {

// Draws the four tables from the bar schedule the views filled.
void DrawSchedules(RunState& run);

}  // namespace lwall

#endif  // LWALL_TABLES_SCHEDULES_H_
