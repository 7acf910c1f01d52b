// The tables' cell texts, with the formats and the sums of the sheet.
#include "tables/schedule_tables.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "common/number_format.h"

namespace lwall {

namespace {

std::string Whole(double value) {
  return FormatFixed(value, 5, 0);
}

std::string Fixed3(double value) {
  return FormatFixed(value, 5, 3);
}

// The value of a number this program has just formatted.
double ReadBack(const std::string& text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return 0;
#if defined(__cpp_lib_to_chars)
  double value = 0;
  std::from_chars(text.data() + start, text.data() + text.size(), value);
  return value;
#else
  // A C++ library without the floating-point from_chars (the browser
  // build's); the text is the formatter's, which strtod reads alike.
  return std::strtod(text.c_str() + start, nullptr);
#endif
}

// The cells of one mark and its row mass, as the mass table adds it up.
BarRowCells BarRow(const BarScheduleRow& row, double& row_mass) {
  BarRowCells cells;
  cells.mark = row.mark;
  cells.shape_code = row.shape_code;
  cells.diameter = row.diameter_text;
  cells.count = FormatInt(row.count);
  cells.length = Whole(row.length);
  cells.l1 = Whole(row.l1);
  cells.l2 = Whole(row.l2);
  if (row.l3 != row.l1) cells.l3 = Whole(row.l3);
  cells.unit_mass = Fixed3(row.unit_mass);
  cells.one_bar_mass = Fixed3(row.length / 1000 * row.unit_mass);
  row_mass = ReadBack(cells.one_bar_mass) * static_cast<double>(row.count);
  cells.mark_mass = Fixed3(row_mass);
  return cells;
}

}  // namespace

void RebarMassTotals::AddRow(std::string_view diameter_text, double row_mass) {
  for (std::size_t k = 0; k < kDiameters; ++k) {
    if (diameter_text == kDiameterTexts[k]) {
      mass[k] += row_mass;
      used[k] = true;
      break;
    }
  }
  total_mass += row_mass;
}

int RebarMassTotals::diameter_count() const {
  int count = 0;
  for (const bool u : used) count += u ? 1 : 0;
  return count;
}

MaterialsCells ComputeMaterialsCells(const DesignData& dd, const RebarMassTotals& totals) {
  const double footing_width = dd.toe_width + dd.wall_thickness + dd.heel_width;
  const double wall_concrete = dd.wall_thickness * dd.wall_height / 1000000;
  const double footing_concrete = footing_width * dd.footing_thickness / 1000000;
  const double wall_formwork = (dd.wall_height + dd.wall_height) / 1000;
  const double footing_formwork = (dd.footing_thickness + dd.footing_thickness) / 1000;
  // The two ends of a metre of wall: the cross-section's area, which per
  // metre equals the concrete volume in number. Shown as a remark only.
  const double end_formwork = wall_concrete + footing_concrete;
  // Levelling concrete and crusher-run reach 100 beyond the footing each side.
  const double base_area = (footing_width / 1000 + 0.1) + 0.1;

  MaterialsCells cells;
  cells.wall_concrete = Fixed3(wall_concrete);
  cells.footing_concrete = Fixed3(footing_concrete);
  cells.concrete_total = Fixed3(wall_concrete + footing_concrete);
  cells.wall_formwork = Fixed3(wall_formwork);
  cells.footing_formwork = Fixed3(footing_formwork);
  cells.end_formwork = Fixed3(end_formwork);
  cells.formwork_total = Fixed3(wall_formwork + footing_formwork);

  // A diameter used only by rows of no bars counts as a row but has no mass
  // to list: its row shows no label and 0.000.
  for (std::size_t k = 0; k < RebarMassTotals::kDiameters; ++k) {
    if (totals.mass[k] != 0) {
      cells.steel.push_back(
          {std::string(RebarMassTotals::kDiameterTexts[k]), Fixed3(totals.mass[k])});
    }
  }
  const std::size_t rows = static_cast<std::size_t>(std::max(totals.diameter_count(), 3));
  while (cells.steel.size() < rows) cells.steel.push_back({"", Fixed3(0)});
  cells.steel_total = Fixed3(totals.total_mass);

  cells.levelling_concrete = FormatFixed(base_area, 5, 1);
  cells.crusher_run = FormatFixed(base_area, 5, 1);
  return cells;
}

ScheduleTables ComputeScheduleTables(const BarSchedule& schedule, const DesignData& design) {
  ScheduleTables tables;
  for (int i = 1; i <= BarSchedule::kRows; ++i) {
    const BarScheduleRow& row = schedule[i];
    double row_mass = 0;
    tables.bars[static_cast<std::size_t>(i - 1)] = BarRow(row, row_mass);
    tables.totals.AddRow(row.diameter_text, row_mass);
  }
  tables.materials = ComputeMaterialsCells(design, tables.totals);
  return tables;
}

}  // namespace lwall
