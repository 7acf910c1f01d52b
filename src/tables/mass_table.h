// The rebar mass table "鉄 筋 質 量 表": the mass of one bar and of all bars
// of each mark, summed per diameter for the materials table.
#ifndef LWALL_TABLES_MASS_TABLE_H_
#define LWALL_TABLES_MASS_TABLE_H_

#include <array>
#include <string_view>

#include "kernel/run_state.h"

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

// Draws the table below the bending schedule, with a sketch of each mark's
// shape in the remarks column, and returns the sums.
RebarMassTotals DrawMassTable(RunState& run);

}  // namespace lwall

#endif  // LWALL_TABLES_MASS_TABLE_H_
