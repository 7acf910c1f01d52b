// The DXF side of linear dimensions, open arrowheads, the tick chains that
// mark a row of bars for a callout, and two line-geometry helpers.
//
// The script side of a dimension is a separate "dimlinear" command
// (ScriptWriter); the views write both.
#ifndef LWALL_KERNEL_DIMENSIONS_H_
#define LWALL_KERNEL_DIMENSIONS_H_

#include <cstdint>
#include <string_view>

#include "common/geometry.h"
#include "kernel/run_state.h"

namespace lwall {

// Height of the dimension labels and callout texts of the sheet.
inline constexpr double kDimensionLabelHeight = 125;

// Half the drawn length of a dimension label `height` high. CAD readers
// advance half the height per byte, so labels are centred by their byte
// count and "×", two bytes in Shift-JIS, counts twice.
double LabelHalfLength(std::string_view label, double height = kDimensionLabelHeight);

// The point on the line through p1 and p2 at distance |d| from p1. The sign
// of d picks the side by increasing x (by increasing y on a vertical line),
// not by the order of the points.
Point PointAlongLine(Point p1, Point p2, double d);

// The point at distance |e| from p1 on the perpendicular to the line through
// p1 and p2; a positive e goes to the side of increasing y (decreasing x on
// a vertical line).
Point PerpendicularPoint(Point p1, Point p2, double e);

// An open arrowhead at `tip` pointing along the line to `other`: its base
// lies at PointAlongLine(tip, other, -length), its barbs `half_width` either
// side of the line.
void DrawArrowhead(RunState& run, Point tip, Point other, double length, double half_width);
// An arrowhead with its tip at p2, its base at PointAlongLine(p2, p1, length).
void DrawArrowheadAtEnd(RunState& run, Point p1, Point p2, double length, double half_width);

// A vertical dimension between p1 and p2, its dimension line at x = p3.x from
// p3.y to p2.y, arrowheads opening inwards and a label rotated 90 at `text_at`.
void DrawDimensionVertical(RunState& run, Point p1, Point p2, Point p3, Point text_at,
                           double text_height, std::string_view text);
// A horizontal dimension, its dimension line at y = p3.y from p3.x to p2.x.
void DrawDimensionHorizontal(RunState& run, Point p1, Point p2, Point p3, Point text_at,
                             double text_height, std::string_view text);

// A leader through a row of `count` bars at `pitch`, along y (vertical) or x
// (horizontal) in `direction` (+1 or -1), with an arrowhead at each bar and a
// tail of `tail` beyond the last; leaves its end point in run.chain_end.
void DrawTickChainVertical(RunState& run, Point start, double tail, double pitch,
                           std::int64_t count, int direction);
void DrawTickChainHorizontal(RunState& run, Point start, double tail, double pitch,
                             std::int64_t count, int direction);

}  // namespace lwall

#endif  // LWALL_KERNEL_DIMENSIONS_H_
