// The rebar mass table "鉄 筋 質 量 表": the mass of one bar and of all bars
// of each mark, whose sums per diameter are the materials table's steel rows.
#ifndef LWALL_TABLES_MASS_TABLE_H_
#define LWALL_TABLES_MASS_TABLE_H_

#include "kernel/run_state.h"
#include "tables/schedule_tables.h"

namespace lwall {

// Draws the table below the bending schedule, with a sketch of each mark's
// shape in the remarks column.
void DrawMassTable(RunState& run, const BarRows& rows);

}  // namespace lwall

#endif  // LWALL_TABLES_MASS_TABLE_H_
