// The schedules, in their drawing order.
#include "tables/schedules.h"

#include "tables/bar_shapes.h"
#include "tables/bending_schedule.h"
#include "tables/mass_table.h"
#include "tables/materials_table.h"

namespace lwall {

void DrawSchedules(RunState& run) {
  // The legend's sketches are small; a 100 gap keeps their extension lines
  // off the bars.
  run.extension_gap = 100;
  SelectLayer(run, "D-STR-STR1");
  DrawShapeLegend(run);
  DrawBendingSchedule(run);
  const RebarMassTotals totals = DrawMassTable(run);
  DrawMaterialsTable(run, totals);
}

}  // namespace lwall
