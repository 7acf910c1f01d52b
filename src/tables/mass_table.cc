// The rebar mass table, top to bottom.
#include "tables/mass_table.h"

#include "common/japanese_texts.h"
#include "kernel/primitives.h"
#include "tables/bar_shapes.h"
#include "tables/table_grid.h"

namespace lwall {

namespace {

using namespace table_grid;

constexpr double kSketchScale = 0.4;

void MassRow(RunState& run, const BarRowCells& row, double y) {
  Cell(run, 50, y, row.mark);
  Cell(run, 850, y, row.diameter);
  Cell(run, 2050, y, row.length);
  Cell(run, 3250, y, row.count);
  Cell(run, 4050, y, row.unit_mass);
  Cell(run, 5350, y, row.one_bar_mass);
  Cell(run, 6950, y, row.mark_mass);
}

}  // namespace

void DrawMassTable(RunState& run, const BarRows& rows) {
  SetOrigin(run, 26500, 33000);
  SelectLayer(run, "D-MTR-TXT");
  Heading(run, {1300, 1000}, {1600, 1000}, 400, ja::kMassTableTitle);
  Heading(run, {8000, 1000}, {8500, 1000}, 200, ja::kPerMetre);

  SelectLayer(run, "D-MTR-FRAM");
  DrawPolyline(run, {{0, kTableTop}, {kRight, kTableTop}});
  for (int k = 0; k <= kBodyBands; ++k) {
    const double y = -100 - kBandHeight * k;
    DrawPolyline(run, {{0, y}, {kRight, y}});
  }
  for (const double x : {0.0, 800.0, 2000.0, 3200.0, 4000.0, 5300.0, 6900.0, 8300.0, kRight}) {
    DrawPolyline(run, {{x, kTableTop}, {x, kTableBottom}});
  }

  SelectLayer(run, "D-MTR-TXT");
  Heading(run, {50, 300}, {400, 300}, 200, ja::kKind);
  Heading(run, {850, 300}, {1350, 300}, 200, ja::kDiameter);
  Heading(run, {2350, 500}, {2550, 500}, 200, ja::kLength);
  Heading(run, {2350, 100}, {3050, 100}, 200, "(mm)");
  Heading(run, {3250, 300}, {3550, 300}, 200, ja::kCount);
  Heading(run, {4050, 500}, {4550, 500}, 200, ja::kUnitMass);
  Heading(run, {4050, 100}, {4550, 100}, 200, "(kg/m)");
  Heading(run, {5370, 500}, {6050, 500}, 200, ja::kMassPerBar);
  Heading(run, {5350, 100}, {5850, 100}, 200, "(kg)");
  Heading(run, {6950, 500}, {7450, 500}, 200, ja::kMass);
  Heading(run, {6950, 100}, {7450, 100}, 200, "(kg)");
  Heading(run, {8350, 300}, {8850, 300}, 200, ja::kRemarks);

  // The values of this table are yellow and thin whatever the layer file says.
  SelectLayerByColourName(run.context, "D-MTR-MTXT", ja::kYellow, 0.13);
  for (int i = 1; i <= BarSchedule::kRows; ++i) {
    MassRow(run, rows[static_cast<std::size_t>(i - 1)], -kBandHeight * i);
  }

  // Remarks column: each mark's shape at sheet points near its row. The
  // straight bars of W3 and W4 and the crank of F1 sit higher in their cells.
  SelectLayer(run, "D-STR-STR1");
  SetOrigin(run, 35000, 32500);
  DrawBarShape1(run, 1000, 500, kSketchScale);  // W1
  SetOrigin(run, 35000, 32000);
  DrawBarShape1(run, 1000, 500, kSketchScale);  // W2
  SetOrigin(run, 35000, 31700);
  DrawBarShape5(run, 1500, kSketchScale);  // W3
  SetOrigin(run, 35000, 31150);
  DrawBarShape5(run, 1500, kSketchScale);  // W4
  SetOrigin(run, 35000, 30500);
  DrawBarShape6(run, 1500, 800, kSketchScale);  // W5
  SetOrigin(run, 35000, 30200);
  DrawBarShape4(run, 1200, 450, 400, kSketchScale);  // F1
  SetOrigin(run, 35000, 29500);
  DrawBarShape2(run, 1500, 800, kSketchScale);  // F2
  SetOrigin(run, 35000, 29000);
  DrawBarShape5(run, 1500, kSketchScale);  // F3
  SetOrigin(run, 35000, 28500);
  DrawBarShape5(run, 1500, kSketchScale);  // F4
  SetOrigin(run, 35000, 28000);
  DrawBarShape6(run, 1500, 800, kSketchScale);  // S1
  SetOrigin(run, 35000, 27500);
  DrawBarShape3(run, 1500, 800, 500, kSketchScale);  // S2
}

}  // namespace lwall
