// The bar schedule: one row per bar mark, filled by the views as they draw
// the bars, so that the printed lengths are those of the drawn bars.
#ifndef LWALL_KERNEL_BAR_SCHEDULE_H_
#define LWALL_KERNEL_BAR_SCHEDULE_H_

#include <array>
#include <cstdint>
#include <string>

namespace lwall {

struct BarScheduleRow {
  std::string mark;           // "W1" ... "S2"
  std::string shape_code;     // "1" ... "6", the shape of the legend
  std::string diameter_text;  // "D13"
  // Number of bars of the mark. Wide enough that sums of read pitch counts
  // cannot overflow.
  std::int64_t count = 0;
  double length = 0;  // cut length of one bar, mm
  double l1 = 0;      // segment lengths labelled L1, L2, L3 in the legend
  double l2 = 0;
  double l3 = 0;
  double unit_mass = 0;  // kg/m
};

// Rows 1 to 11, always in this mark order.
enum BarMark {
  kRowW1 = 1,
  kRowW2,
  kRowW3,
  kRowW4,
  kRowW5,
  kRowF1,
  kRowF2,
  kRowF3,
  kRowF4,
  kRowS1,
  kRowS2,
};

struct BarSchedule {
  static constexpr int kRows = 11;
  BarScheduleRow& operator[](int row) { return rows.at(static_cast<std::size_t>(row)); }
  const BarScheduleRow& operator[](int row) const { return rows.at(static_cast<std::size_t>(row)); }
  std::array<BarScheduleRow, kRows + 1> rows{};  // slot 0 unused
};

}  // namespace lwall

#endif  // LWALL_KERNEL_BAR_SCHEDULE_H_
