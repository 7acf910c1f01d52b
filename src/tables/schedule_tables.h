// The cell texts of the bending schedule, the mass table and the materials
// table, computed once from the bar schedule and the design exactly as the
// sheet prints them: the drawing and any data written beside the sheet read
// the same texts, so they cannot disagree.
#ifndef LWALL_TABLES_SCHEDULE_TABLES_H_
#define LWALL_TABLES_SCHEDULE_TABLES_H_

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "input/design_data.h"
#include "kernel/bar_schedule.h"

namespace lwall {

// Row masses summed per bar diameter and in total.
struct RebarMassTotals {
  static constexpr std::size_t kDiameters = 11;
  // Ascending, as the materials table lists them.
  static constexpr std::array<std::string_view, kDiameters> kDiameterTexts = {
      "D13", "D16", "D19", "D22", "D25", "D29", "D32", "D35", "D38", "D41", "D51"};

  std::array<double, kDiameters> mass{};
  std::array<bool, kDiameters> used{};
  double total_mass = 0;

  // Adds a row mass to `total_mass` and, when `diameter_text` is exactly one
  // of kDiameterTexts, to that diameter, marking it used even for a mass of 0.
  void AddRow(std::string_view diameter_text, double row_mass);
  // The number of diameters used by some row.
  int diameter_count() const;
};

// One bar mark's cells in the bending schedule and the mass table; the cut
// length and the count are printed alike in both.
struct BarRowCells {
  std::string mark;
  std::string shape_code;
  std::string diameter;
  std::string count;   // "%d"
  std::string length;  // cut length, "%5.0f" mm
  std::string l1;      // segment lengths, "%5.0f" mm
  std::string l2;
  // None when l3 equals l1: the U bars label both legs L1, and repeating the
  // length under L3 would read as a third segment, so the cell stays empty.
  std::optional<std::string> l3;
  std::string unit_mass;     // "%5.3f" kg/m
  std::string one_bar_mass;  // "%5.3f" kg
  // "%5.3f" kg: the printed mass of one bar times the count, so that the
  // table adds up as a reader checks it.
  std::string mark_mass;
};

// Rows 1 to 11 of the bar schedule (W1 ... S2) at 0 to 10.
using BarRows = std::array<BarRowCells, BarSchedule::kRows>;

// A steel row of the materials table.
struct SteelRowCells {
  std::string diameter;  // "D13"; empty above the listed diameters
  std::string mass;      // "%5.3f" kg
};

// The values of the materials table; its labels are fixed.
struct MaterialsCells {
  std::string wall_concrete;  // "%5.3f" m3
  std::string footing_concrete;
  std::string concrete_total;
  std::string wall_formwork;  // "%5.3f" m2
  std::string footing_formwork;
  std::string end_formwork;  // printed in the remarks column
  std::string formwork_total;
  // At least three rows, bottom up: the diameters with a mass ascending from
  // just above the steel total, then rows of no diameter and 0.000.
  std::vector<SteelRowCells> steel;
  std::string steel_total;         // "%5.3f" kg, all rows of the mass table
  std::string levelling_concrete;  // "%5.1f" m2
  std::string crusher_run;         // "%5.1f" m2
};

struct ScheduleTables {
  BarRows bars;
  RebarMassTotals totals;
  MaterialsCells materials;
};

// The materials table from the design and the mass table's sums.
MaterialsCells ComputeMaterialsCells(const DesignData& design, const RebarMassTotals& totals);

// All three tables from the schedule the views filled.
ScheduleTables ComputeScheduleTables(const BarSchedule& schedule, const DesignData& design);

}  // namespace lwall

#endif  // LWALL_TABLES_SCHEDULE_TABLES_H_
