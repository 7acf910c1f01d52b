// Bar shape outlines, their labelled dimensions and the shape legend.
#include "tables/bar_shapes.h"

#include <algorithm>
#include <initializer_list>

#include "common/japanese_texts.h"
#include "kernel/dimensions.h"
#include "kernel/primitives.h"

namespace lwall {

namespace {

constexpr double kLabelHeight = kDimensionLabelHeight;
constexpr std::int64_t kTitleHeight = 200;
constexpr double kLegendScale = 0.4;

// Sides of a dimension: left or below is -1, right or above +1.
constexpr int kLeft = -1;
constexpr int kRight = 1;
constexpr int kBelow = -1;
constexpr int kAbove = 1;

ShapeSketch Outline(RunState& run, double scale, std::initializer_list<Point> points) {
  ShapeSketch s;
  std::copy(points.begin(), points.end(), s.points.begin());
  s.count = points.size();
  ScalePoints(scale, std::span<Point>(s.points.data(), s.count));
  DrawPolyline(run, std::span<const Point>(s.points.data(), s.count));
  return s;
}

// Where the parts of a dimension of the segment p-q go.
struct Dimension {
  bool vertical = true;
  Point p, q;
  Point extension1, extension2;  // starts of the extension lines
  Point dimension_point;         // start of the dimension line
  Point text_at;
  Point script_location;
};

// A vertical dimension `offset` to one side of the segment, its label a third
// of the way up from the lower end.
Dimension VerticalDimension(const RunState& run, Point p, Point q, int side, double offset) {
  Dimension d;
  d.p = p;
  d.q = q;
  d.extension1 = {p.x + side * run.extension_gap, p.y};
  d.extension2 = {q.x + side * run.extension_gap, q.y};
  d.dimension_point = {p.x + side * offset, p.y};
  const double lower = std::min(p.y, q.y);
  const double upper = std::max(p.y, q.y);
  d.text_at = {d.dimension_point.x - 50, lower + (upper - lower) / 3};
  d.script_location = d.dimension_point;
  return d;
}

// A horizontal dimension `offset` below or above the segment, its label a
// third of the way along from the left end.
Dimension HorizontalDimension(const RunState& run, Point p, Point q, int side, double offset) {
  Dimension d;
  d.vertical = false;
  d.p = p;
  d.q = q;
  d.extension1 = {p.x, p.y + side * run.extension_gap};
  d.extension2 = {q.x, q.y + side * run.extension_gap};
  d.dimension_point = {p.x, p.y + side * offset};
  const double left = std::min(p.x, q.x);
  const double right = std::max(p.x, q.x);
  d.text_at = {left + (right - left) / 3, d.dimension_point.y + 50};
  d.script_location = d.dimension_point;
  return d;
}

// The script's dimlinear carries the label itself; the DXF file gets the
// lines, arrowheads and label of the dimension.
void LabelledDimension(RunState& run, const Dimension& d, std::string_view label) {
  run.script.ScriptDimLinearM(d.p, d.q, label, d.script_location, run.context.origin);
  if (d.vertical) {
    DrawDimensionVertical(run, d.extension1, d.extension2, d.dimension_point, d.text_at,
                          kLabelHeight, label);
  } else {
    DrawDimensionHorizontal(run, d.extension1, d.extension2, d.dimension_point, d.text_at,
                            kLabelHeight, label);
  }
}

void Title(RunState& run, double y, std::string_view title) {
  DrawAlignedText(run, {-200, y}, {300, y}, kTitleHeight, 0, title, "KANJI");
}

}  // namespace

ShapeSketch DrawBarShape1(RunState& run, double leg, double run_length, double scale) {
  return Outline(run, scale, {{0, leg}, {0, 0}, {run_length, 0}});
}

ShapeSketch DrawBarShape2(RunState& run, double run_length, double leg, double /*scale*/) {
  return Outline(run, 0.4, {{0, leg}, {0, 0}, {run_length, 0}, {run_length, leg}});
}

// A closed tie whose bottom side is drawn as its two overlapping end pieces.
ShapeSketch DrawBarShape3(RunState& run, double width, double height, double end_piece,
                          double scale) {
  return Outline(
      run, scale,
      {{height, 0}, {0, 0}, {0, height}, {width, height}, {width, 0}, {width - end_piece, 0}});
}

ShapeSketch DrawBarShape4(RunState& run, double run_length, double falling_leg, double rising_leg,
                          double /*scale*/) {
  return Outline(run, 0.5, {{0, rising_leg}, {0, 0}, {run_length, 0}, {run_length, -falling_leg}});
}

ShapeSketch DrawBarShape5(RunState& run, double length, double scale) {
  return Outline(run, scale, {{0, 0}, {length, 0}});
}

ShapeSketch DrawBarShape6(RunState& run, double run_length, double leg, double /*scale*/) {
  return Outline(run, 0.4, {{0, 0}, {0, leg}, {run_length, leg}, {run_length, 0}});
}

void LabelBarShape1(RunState& run, const ShapeSketch& s) {
  // The script places these two at the far end of the segment.
  Dimension leg = VerticalDimension(run, s.p(1), s.p(2), kLeft, 700);
  leg.script_location = {s.p(2).x - 700, s.p(2).y};
  LabelledDimension(run, leg, "L1");
  Dimension run_dim = HorizontalDimension(run, s.p(2), s.p(3), kBelow, 700);
  run_dim.script_location = {s.p(3).x, s.p(3).y - 700};
  LabelledDimension(run, run_dim, "L2");
  Title(run, -1000, ja::kShape1Title);
}

void LabelBarShape2(RunState& run, const ShapeSketch& s, std::string_view label1,
                    std::string_view label2, std::string_view label3) {
  LabelledDimension(run, VerticalDimension(run, s.p(1), s.p(2), kLeft, 700), label1);
  LabelledDimension(run, HorizontalDimension(run, s.p(2), s.p(3), kBelow, 700), label2);
  LabelledDimension(run, VerticalDimension(run, s.p(3), s.p(4), kRight, 700), label3);
  Title(run, -1000, ja::kShape2Title);
}

void LabelBarShape3(RunState& run, const ShapeSketch& s, std::string_view label1,
                    std::string_view label2, std::string_view label3) {
  LabelledDimension(run, HorizontalDimension(run, s.p(1), s.p(2), kBelow, 700), label1);
  LabelledDimension(run, VerticalDimension(run, s.p(2), s.p(3), kLeft, 700), label2);
  LabelledDimension(run, HorizontalDimension(run, s.p(3), s.p(4), kAbove, 700), label3);
  LabelledDimension(run, VerticalDimension(run, s.p(4), s.p(5), kRight, 700), label2);
  LabelledDimension(run, HorizontalDimension(run, s.p(5), s.p(6), kBelow, 700), label1);
  Title(run, -1000, ja::kShape3Title);
}

// The crank's legs point opposite ways, so its labels are centred on their
// segments and the run and falling leg are dimensioned well clear of the
// leg's lower end.
void LabelBarShape4(RunState& run, const ShapeSketch& s, std::string_view label1,
                    std::string_view label2, std::string_view label3) {
  Dimension rising = VerticalDimension(run, s.p(1), s.p(2), kLeft, 700);
  rising.text_at = {s.p(1).x - 750, (s.p(1).y + s.p(2).y) / 2 - LabelHalfLength(label1)};
  LabelledDimension(run, rising, label1);

  Dimension run_dim = HorizontalDimension(run, s.p(2), s.p(4), kBelow, 1000);
  run_dim.text_at = {(s.p(2).x + s.p(4).x) / 2 - LabelHalfLength(label2), s.p(2).y - 950};
  LabelledDimension(run, run_dim, label2);

  Dimension falling = VerticalDimension(run, s.p(3), s.p(4), kRight, 700);
  falling.dimension_point = {s.p(2).x + 1500, s.p(2).y};
  falling.text_at = {s.p(2).x + 1450, (s.p(3).y + s.p(4).y) / 2 - LabelHalfLength(label3)};
  falling.script_location = {s.p(3).x + 700, s.p(3).y};
  LabelledDimension(run, falling, label3);

  Title(run, -1500, ja::kShape4Title);
}

void LabelBarShape5(RunState& run, const ShapeSketch& s, std::string_view label1) {
  LabelledDimension(run, HorizontalDimension(run, s.p(1), s.p(2), kAbove, 700), label1);
  Title(run, -500, ja::kShape5Title);
}

void LabelBarShape6(RunState& run, const ShapeSketch& s, std::string_view label1,
                    std::string_view label2) {
  LabelledDimension(run, VerticalDimension(run, s.p(1), s.p(2), kLeft, 700), label1);
  LabelledDimension(run, HorizontalDimension(run, s.p(2), s.p(3), kAbove, 700), label2);
  LabelledDimension(run, VerticalDimension(run, s.p(3), s.p(4), kRight, 700), label1);
  Title(run, -500, ja::kShape6Title);
}

void DrawShapeLegend(RunState& run) {
  SetOrigin(run, 28000, 48000);
  const ShapeSketch s1 = DrawBarShape1(run, 3000, 1000, kLegendScale);
  SelectLayer(run, "D-STR-DIM");
  LabelBarShape1(run, s1);
  SelectLayer(run, "D-STR-STR1");

  SetOrigin(run, 30500, 48000);
  const ShapeSketch s2 = DrawBarShape2(run, 2000, 1000, kLegendScale);
  SelectLayer(run, "D-STR-DIM");
  LabelBarShape2(run, s2, "L1", "L2", "L1");
  SelectLayer(run, "D-STR-STR1");

  SetOrigin(run, 34000, 48000);
  const ShapeSketch s3 = DrawBarShape3(run, 2000, 1000, 800, kLegendScale);
  SelectLayer(run, "D-STR-DIM");
  LabelBarShape3(run, s3, "L1", "L2", "L3");
  SelectLayer(run, "D-STR-STR1");

  SetOrigin(run, 28000, 46000);
  const ShapeSketch s4 = DrawBarShape4(run, 2000, 1000, 1200, kLegendScale);
  SelectLayer(run, "D-STR-DIM");
  LabelBarShape4(run, s4, "L1", "L2", "L3");
  SelectLayer(run, "D-STR-STR1");

  SetOrigin(run, 30500, 45000);
  const ShapeSketch s5 = DrawBarShape5(run, 2000, kLegendScale);
  SelectLayer(run, "D-STR-DIM");
  LabelBarShape5(run, s5, "L1");
  SelectLayer(run, "D-STR-STR1");

  SetOrigin(run, 34000, 45000);
  const ShapeSketch s6 = DrawBarShape6(run, 2000, 1000, kLegendScale);
  SelectLayer(run, "D-STR-DIM");
  LabelBarShape6(run, s6, "L1", "L2");
}

}  // namespace lwall
