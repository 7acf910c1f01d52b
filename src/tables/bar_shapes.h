// The six bar shapes that the schedules give each bar mark: their outlines,
// drawn in the legend and as small sketches in the mass table, and the
// labelled dimensions and titles that the legend adds to them.
#ifndef LWALL_TABLES_BAR_SHAPES_H_
#define LWALL_TABLES_BAR_SHAPES_H_

#include <array>
#include <cstddef>
#include <string_view>

#include "common/geometry.h"
#include "kernel/run_state.h"

namespace lwall {

// The points of an outline as drawn (scaled, view coordinates). The label
// procedure of a shape dimensions the segments between these points.
struct ShapeSketch {
  std::array<Point, 6> points{};
  std::size_t count = 0;
  // Point n of the outline, counted from 1 as a detailer numbers them.
  const Point& p(std::size_t n) const { return points.at(n - 1); }
};

// Each outline is one polyline on the current layer. Shapes 1, 3 and 5 are
// drawn at `scale`; the U bar (2), the crank (4) and the inverted U (6) keep
// a fixed scale of their own (0.4, 0.5, 0.4) whatever is passed, so that
// their legs stay clear of the labels in the legend and of the neighbouring
// rows in the mass table.
ShapeSketch DrawBarShape1(RunState& run, double leg, double run_length, double scale);
ShapeSketch DrawBarShape2(RunState& run, double run_length, double leg, double scale);
ShapeSketch DrawBarShape3(RunState& run, double width, double height, double end_piece,
                          double scale);
ShapeSketch DrawBarShape4(RunState& run, double run_length, double falling_leg, double rising_leg,
                          double scale);
ShapeSketch DrawBarShape5(RunState& run, double length, double scale);
ShapeSketch DrawBarShape6(RunState& run, double run_length, double leg, double scale);

// The dimensions of a sketch just drawn, on the current layer, and the
// shape's title "形 式 N". Shape 1 always labels its leg "L1" and its run "L2".
void LabelBarShape1(RunState& run, const ShapeSketch& s);
void LabelBarShape2(RunState& run, const ShapeSketch& s, std::string_view label1,
                    std::string_view label2, std::string_view label3);
void LabelBarShape3(RunState& run, const ShapeSketch& s, std::string_view label1,
                    std::string_view label2, std::string_view label3);
void LabelBarShape4(RunState& run, const ShapeSketch& s, std::string_view label1,
                    std::string_view label2, std::string_view label3);
void LabelBarShape5(RunState& run, const ShapeSketch& s, std::string_view label1);
void LabelBarShape6(RunState& run, const ShapeSketch& s, std::string_view label1,
                    std::string_view label2);

// The legend "形 式 １" to "形 式 ６" above the bending schedule: each shape
// with sample lengths, its L1, L2, L3 dimensions and its title.
void DrawShapeLegend(RunState& run);

}  // namespace lwall

#endif  // LWALL_TABLES_BAR_SHAPES_H_
