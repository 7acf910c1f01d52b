// The schedules of the sheet: bar shape legend, bending schedule, mass table
// and materials table.
#ifndef LWALL_TABLES_SCHEDULES_H_
#define LWALL_TABLES_SCHEDULES_H_

#include "kernel/run_state.h"
#include "tables/schedule_tables.h"

namespace lwall {

// Draws the four tables from the bar schedule the views filled, and returns
// the tables' cells as they were printed.
ScheduleTables DrawSchedules(RunState& run);

}  // namespace lwall

#endif  // LWALL_TABLES_SCHEDULES_H_
