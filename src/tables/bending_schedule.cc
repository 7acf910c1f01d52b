// The bar bending schedule, top to bottom.
#include "tables/bending_schedule.h"

#include "common/japanese_texts.h"
#include "kernel/primitives.h"
#include "tables/table_grid.h"

namespace lwall {

namespace {

using namespace table_grid;

void ScheduleRow(RunState& run, const BarRowCells& row, double y) {
  Cell(run, 50, y, row.mark);
  Cell(run, 850, y, row.shape_code);
  Cell(run, 2050, y, row.diameter);
  Cell(run, 3250, y, row.count);
  Cell(run, 4050, y, row.length);
  Cell(run, 5450, y, row.l1);
  Cell(run, 6850, y, row.l2);
  if (row.l3) Cell(run, 8250, y, *row.l3);
}

}  // namespace

void DrawBendingSchedule(RunState& run, const BarRows& rows) {
  SetOrigin(run, 26500, 43000);
  SelectLayer(run, "D-MTR-TXT");
  Heading(run, {1300, 7100}, {1600, 7100}, 400, ja::kBendingScheduleTitle);
  Heading(run, {8000, 7100}, {8500, 7100}, 200, ja::kPerMetre);

  Heading(run, {50, 250}, {400, 250}, 200, ja::kKind);
  Heading(run, {850, 250}, {1350, 250}, 200, ja::kShape);
  Heading(run, {2050, 250}, {2550, 250}, 200, ja::kDiameter);
  Heading(run, {3250, 250}, {3550, 250}, 200, ja::kCount);
  Heading(run, {4050, 400}, {4550, 400}, 200, ja::kLength);
  Heading(run, {4050, 0}, {4550, 0}, 200, "(mm)");
  Heading(run, {5450, 400}, {5950, 400}, 125, ja::kL1);
  Heading(run, {5450, 0}, {5950, 0}, 200, "(mm)");
  Heading(run, {6850, 400}, {7350, 400}, 200, ja::kL2);
  Heading(run, {6850, 0}, {7350, 0}, 200, "(mm)");
  Heading(run, {8250, 400}, {8750, 400}, 200, ja::kL3);
  Heading(run, {8250, 0}, {8750, 0}, 200, "(mm)");

  SelectLayer(run, "D-MTR-FRAM");
  // The shape legend stands in this panel above the header.
  DrawPolyline(run, {{0, 0}, {0, 7000}, {kRight, 7000}, {kRight, 0}});
  DrawPolyline(run, {{0, kTableTop}, {kRight, kTableTop}});
  for (int k = 0; k <= kBodyBands; ++k) {
    const double y = -100 - kBandHeight * k;
    DrawPolyline(run, {{0, y}, {kRight, y}});
  }
  for (const double x : {0.0, 800.0, 2000.0, 3200.0, 4000.0, 5400.0, 6800.0, 8200.0, kRight}) {
    DrawPolyline(run, {{x, kTableTop}, {x, kTableBottom}});
  }

  SelectLayer(run, "D-MTR-MTXT");
  for (int i = 1; i <= BarSchedule::kRows; ++i) {
    ScheduleRow(run, rows[static_cast<std::size_t>(i - 1)], -kBandHeight * i);
  }
}

}  // namespace lwall
