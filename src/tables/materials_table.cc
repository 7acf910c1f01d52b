// The materials table, top to bottom.
#include "tables/materials_table.h"

#include "common/japanese_texts.h"
#include "kernel/primitives.h"

namespace lwall {

namespace {

constexpr double kRight = 6600;

void Label(RunState& run, Point p1, Point p2, std::int64_t height, std::string_view text) {
  DrawAlignedText(run, p1, p2, height, 0, text, "KANJI");
}

void Line(RunState& run, Point p1, Point p2) {
  DrawPolyline(run, {p1, p2});
}

void Unit(RunState& run, double y, std::string_view unit) {
  DrawText(run, {3550, y}, 150, 0, unit);
}

void Value(RunState& run, Point p, std::string_view text) {
  DrawText(run, p, 125, 0, text);
}

}  // namespace

void DrawMaterialsTable(RunState& run, const MaterialsCells& cells) {
  // Three steel rows or more; each one past three moves everything below down.
  const std::int64_t rows = static_cast<std::int64_t>(cells.steel.size());
  const double d = static_cast<double>(rows - 3) * 500;
  const auto steel_y = [d](std::int64_t k) { return -5500 - d + 500 * static_cast<double>(k); };
  const double total_y = -5500 - d;
  const double levelling_y = -6000 - d;
  const double crusher_run_y = -6500 - d;
  const double bottom = -6600 - d;
  // Row k of the steel rows, counted from 1 at the bottom.
  const auto steel = [&cells](std::int64_t k) -> const SteelRowCells& {
    return cells.steel[static_cast<std::size_t>(k - 1)];
  };

  SelectLayer(run, "D-MTR-TXT");
  SetOrigin(run, 36500, 36000);
  Label(run, {250, 500}, {800, 500}, 400, ja::kMaterialsTableTitle);
  Label(run, {5000, 500}, {5500, 500}, 200, ja::kPerMetre);

  SelectLayer(run, "D-MTR-FRAM");
  for (const double y : {400.0, -100.0, -1600.0, -3600.0, -5600 - d, bottom}) {
    Line(run, {0, y}, {kRight, y});
  }
  for (const double y : {-600.0, -1100.0, -2100.0, -2600.0, -3100.0}) {
    Line(run, {1800, y}, {kRight, y});
  }
  for (std::int64_t k = 1; k <= rows; ++k) {
    const double y = -4100 - 500 * static_cast<double>(k - 1);
    Line(run, {1800, y}, {kRight, y});
  }
  const double between_base_rows = -5100 - 500 * static_cast<double>(rows - 1);
  Line(run, {1800, between_base_rows}, {kRight, between_base_rows});
  Line(run, {0, 400}, {0, bottom});
  Line(run, {1800, -100}, {1800, bottom});
  for (const double x : {3200.0, 4000.0, 5300.0, kRight}) Line(run, {x, 400}, {x, bottom});

  SelectLayer(run, "D-MTR-TXT");
  Label(run, {550, 0}, {1050, 0}, 200, ja::kKindWide);
  Label(run, {2950, 0}, {3550, 0}, 200, ja::kUnit);
  Label(run, {4050, 0}, {4550, 0}, 200, ja::kQuantity);
  Label(run, {5550, 0}, {6050, 0}, 200, ja::kRemarks);

  Label(run, {200, -750}, {700, -750}, 200, ja::kConcrete);
  Label(run, {200, -2600}, {700, -2600}, 200, ja::kFormwork);
  Label(run, {200, -4500}, {700, -4500}, 200, ja::kReinforcement);
  Label(run, {200, between_base_rows}, {700, between_base_rows}, 200, ja::kBaseMaterial);
  Label(run, {2000, -500}, {2500, -500}, 200, ja::kWall);
  Label(run, {2000, -1000}, {2500, -1000}, 200, ja::kFooting);
  Label(run, {2000, -1500}, {2500, -1500}, 200, ja::kTotal);
  Label(run, {2000, -2000}, {2500, -2000}, 200, ja::kWall);
  Label(run, {2000, -2500}, {2500, -2500}, 200, ja::kFooting);
  Label(run, {2000, -3000}, {2500, -3000}, 200, ja::kEndFormwork);
  Label(run, {2000, -3500}, {2500, -3500}, 200, ja::kTotal);
  // The diameters with a mass, ascending from the row above the steel total up.
  for (std::int64_t k = 1; k <= rows && !steel(k).diameter.empty(); ++k) {
    Label(run, {2000, steel_y(k)}, {2500, -4000}, 200, steel(k).diameter);
  }
  Label(run, {2000, total_y}, {2500, -5500}, 200, ja::kTotal);

  for (const double y : {-500.0, -1000.0, -1500.0}) Unit(run, y, "m3");
  for (const double y : {-2000.0, -2500.0, -3000.0, -3500.0}) Unit(run, y, "m2");
  for (std::int64_t k = 1; k <= rows; ++k) Unit(run, -3500 - 500 * static_cast<double>(k), "kg");
  Unit(run, levelling_y, "m2");
  Unit(run, crusher_run_y, "m2");

  SelectLayer(run, "D-MTR-MTXT");
  Value(run, {4050, -500}, cells.wall_concrete);
  Value(run, {4050, -1000}, cells.footing_concrete);
  Value(run, {4050, -1500}, cells.concrete_total);
  Value(run, {4050, -2000}, cells.wall_formwork);
  Value(run, {4050, -2500}, cells.footing_formwork);
  Value(run, {5350, -3000}, cells.end_formwork);  // a remark, not part of the total
  Value(run, {4050, -3500}, cells.formwork_total);
  for (std::int64_t k = 1; k <= rows; ++k) {
    DrawAlignedText(run, {4050, steel_y(k)}, {2350, -4000}, 125, 0, steel(k).mass, "KANJI");
  }
  Value(run, {4050, total_y}, cells.steel_total);

  SelectLayer(run, "D-MTR-TXT");
  Label(run, {1850, levelling_y}, {2550, -6000}, 150, ja::kLevellingConcrete);
  SelectLayer(run, "D-MTR-MTXT");
  Value(run, {4050, levelling_y}, cells.levelling_concrete);
  DrawText(run, {5350, levelling_y}, 150, 0, "t=10cm");

  SelectLayer(run, "D-MTR-TXT");
  Label(run, {1850, crusher_run_y}, {2350, -6500}, 150, ja::kCrusherRun);
  SelectLayer(run, "D-MTR-MTXT");
  Value(run, {4050, crusher_run_y}, cells.crusher_run);
  DrawText(run, {5350, crusher_run_y}, 150, 0, "t=20cm");
}

}  // namespace lwall
