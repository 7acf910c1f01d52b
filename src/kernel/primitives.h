// The composite primitives every view draws with. Each puts one figure into
// both outputs where the figure has a script form: a polyline, a text, a
// circle, a bar-mark bubble, a row of bars, a row of bar dots. Arrow lines
// and aligned texts exist only in the DXF file.
//
// Points are view coordinates; the primitives add the current origin and
// stamp the current layer, colour and thickness (texts carry colour 0).
#ifndef LWALL_KERNEL_PRIMITIVES_H_
#define LWALL_KERNEL_PRIMITIVES_H_

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "common/geometry.h"
#include "kernel/run_state.h"

namespace lwall {

// Multiplies every point by `factor` in place.
void ScalePoints(double factor, std::span<Point> points);

// One "PLINE" command with all points and one DXF LINE per segment.
void DrawPolyline(RunState& run, std::span<const Point> points);
void DrawHiddenPolyline(RunState& run, std::span<const Point> points);
void DrawCenterPolyline(RunState& run, std::span<const Point> points);
inline void DrawPolyline(RunState& run, std::initializer_list<Point> points) {
  DrawPolyline(run, std::span<const Point>(points.begin(), points.size()));
}
inline void DrawHiddenPolyline(RunState& run, std::initializer_list<Point> points) {
  DrawHiddenPolyline(run, std::span<const Point>(points.begin(), points.size()));
}
inline void DrawCenterPolyline(RunState& run, std::initializer_list<Point> points) {
  DrawCenterPolyline(run, std::span<const Point>(points.begin(), points.size()));
}

// A leader line with an open arrowhead (150 long, 15 degrees each side) at
// p1, DXF only. The two-point form keeps its direction angle in [0, 180); the
// three-point form takes the plain arc tangent.
void DrawArrowLine(RunState& run, Point p1, Point p2);
void DrawArrowLine(RunState& run, Point p1, Point p2, Point p3);

// A "text" command and a DXF TEXT at `p`.
void DrawText(RunState& run, Point p, std::int64_t height, double angle, std::string_view text);
// A DXF-only TEXT aligned between two points, in a text style.
void DrawAlignedText(RunState& run, Point p1, Point p2, std::int64_t height, double rotation,
                     std::string_view text, std::string_view style);
// A "CIRCLE" command and a DXF CIRCLE.
void DrawCircle(RunState& run, Point centre, double radius);

// The callout bubble of a bar mark: the mark above, a circle around it and
// the diameter text to the right.
void DrawBarMarkBubble(RunState& run, Point p, double radius, std::int64_t height, double angle,
                       std::string_view mark, std::string_view diameter_text);

// Draws `count` copies of the two-point `segment`, moving it by pitch * step
// after each. The caller's segment is left one pitch past the last bar.
void DrawBarRow(RunState& run, std::array<Point, 2>& segment, double pitch, std::int64_t count,
                int step_x, int step_y);

// Draws `count` bar dots from `start`, pitch apart along the step: per dot a
// "donut" command and `diameter` concentric DXF circles that fill it.
void DrawBarDots(RunState& run, Point start, std::int64_t diameter, double pitch,
                 std::int64_t count, int step_x, int step_y);

}  // namespace lwall

#endif  // LWALL_KERNEL_PRIMITIVES_H_
