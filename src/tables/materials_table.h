// The materials table "材 料 表": concrete, formwork, steel by diameter and
// base materials per metre of wall.
#ifndef LWALL_TABLES_MATERIALS_TABLE_H_
#define LWALL_TABLES_MATERIALS_TABLE_H_

#include "kernel/run_state.h"
#include "tables/schedule_tables.h"

namespace lwall {

// Draws the table; its steel rows are the sums of the mass table, and the
// table grows downwards when more than three diameters are used.
void DrawMaterialsTable(RunState& run, const MaterialsCells& cells);

}  // namespace lwall

#endif  // LWALL_TABLES_MATERIALS_TABLE_H_
