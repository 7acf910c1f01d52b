// The grid the bending schedule and the mass table share: a header band and
// fourteen body bands of 500 across 9400, and their two kinds of text.
#ifndef LWALL_TABLES_TABLE_GRID_H_
#define LWALL_TABLES_TABLE_GRID_H_

#include <cstdint>
#include <string_view>

#include "common/geometry.h"
#include "kernel/primitives.h"
#include "kernel/run_state.h"

namespace lwall::table_grid {

inline constexpr double kRight = 9400;
inline constexpr double kTableTop = 900;
inline constexpr double kTableBottom = -7100;
// 11 bar rows and three spare ones below the header band.
inline constexpr int kBodyBands = 14;
inline constexpr double kBandHeight = 500;

// A title or header: DXF only, in the Japanese text style.
inline void Heading(RunState& run, Point p1, Point p2, std::int64_t height, std::string_view text) {
  DrawAlignedText(run, p1, p2, height, 0, text, "KANJI");
}

// A cell value, in both outputs.
inline void Cell(RunState& run, double x, double y, std::string_view text) {
  DrawText(run, {x, y}, 125, 0, text);
}

}  // namespace lwall::table_grid

#endif  // LWALL_TABLES_TABLE_GRID_H_
