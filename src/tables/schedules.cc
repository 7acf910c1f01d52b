// The schedules, in their drawing order.
#include "tables/schedules.h"

#include "tables/bar_shapes.h"
#include "tables/bending_schedule.h"
#include "tables/mass_table.h"
#include "tables/materials_table.h"

namespace lwall {

ScheduleTables DrawSchedules(RunState& run) {
  const ScheduleTables tables = ComputeScheduleTables(run.schedule, run.design);
  // The legend's sketches are small; a 100 gap keeps their extension lines
  // off the bars.
  run.extension_gap = 100;
  SelectLayer(run, "D-STR-STR1");
  DrawShapeLegend(run);
  DrawBendingSchedule(run, tables.bars);
  DrawMassTable(run, tables.bars);
  DrawMaterialsTable(run, tables.materials);
  return tables;
}

}  // namespace lwall
