// The bar bending schedule "鉄 筋 加 工 表": shape, diameter, count, cut
// length and segment lengths of every bar mark, as the views left them.
#ifndef LWALL_TABLES_BENDING_SCHEDULE_H_
#define LWALL_TABLES_BENDING_SCHEDULE_H_

#include "kernel/run_state.h"
#include "tables/schedule_tables.h"

namespace lwall {

// Draws the schedule below the shape legend and closes the legend's panel.
// Every row is printed, filled or not.
void DrawBendingSchedule(RunState& run, const BarRows& rows);

}  // namespace lwall

#endif  // LWALL_TABLES_BENDING_SCHEDULE_H_
