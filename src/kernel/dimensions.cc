// Dimensions, arrowheads and tick chains.
#include "kernel/dimensions.h"

#include <cmath>

#include "kernel/primitives.h"

namespace lwall {

namespace {

constexpr double kArrowLength = 50.0;

double ArrowHalfWidth(const RunState& run) {
  return kArrowLength * std::tan(15.0 * run.pi / 180.0);
}

// Label heights are whole numbers in the file. Every caller passes a sane
// height; anything beyond the range of an integer is written as 0.
std::int64_t WholeHeight(double height) {
  if (!(std::fabs(height) < 1e15)) return 0;
  return static_cast<std::int64_t>(std::floor(height));
}

void Label(RunState& run, Point text_at, double text_height, double rotation, Point second,
           std::string_view text) {
  const DrawContext& c = run.context;
  run.dxf.WriteDxfAlignedText(c.layer, c.thickness, 0, WholeHeight(text_height), text, 1.0,
                              rotation, run.dimension_text_style, text_at.x + c.origin.x,
                              text_at.y + c.origin.y, second.x + c.origin.x, second.y + c.origin.y);
}

}  // namespace

double LabelHalfLength(std::string_view label, double height) {
  return static_cast<double>(label.size()) * height / 2;
}

Point PointAlongLine(Point p1, Point p2, double d) {
  const double a = std::fabs(d);
  if (p1.x == p2.x) return {p1.x, d > 0 ? p1.y + a : p1.y - a};
  const double m = (p2.y - p1.y) / (p2.x - p1.x);
  const double b = (p2.x * p1.y - p1.x * p2.y) / (p2.x - p1.x);
  const double step = a / std::sqrt(m * m + 1);
  const double x = d > 0 ? p1.x + step : p1.x - step;
  return {x, m * x + b};
}

Point PerpendicularPoint(Point p1, Point p2, double e) {
  const double a = std::fabs(e);
  if (p1.x == p2.x) return {e > 0 ? p1.x - a : p1.x + a, p1.y};
  const double m = (p2.y - p1.y) / (p2.x - p1.x);
  const double q = std::sqrt(m * m + 1);
  if (e > 0) return {p1.x - a * m / q, p1.y + a / q};
  return {p1.x + a * m / q, p1.y - a / q};
}

void DrawArrowhead(RunState& run, Point tip, Point other, double length, double half_width) {
  const Point base = PointAlongLine(tip, other, -length);
  // The barbs stand across the line through base and tip. Taking the
  // perpendicular to the base and the far point instead would lay them flat
  // whenever the measured length equals the arrowhead's (every 50 mm cover).
  const Point b1 = PerpendicularPoint(base, tip, half_width);
  const Point b2 = PerpendicularPoint(base, tip, -half_width);
  DrawPolyline(run, {tip, b1});
  DrawPolyline(run, {tip, b2});
}

void DrawArrowheadAtEnd(RunState& run, Point p1, Point p2, double length, double half_width) {
  const Point base = PointAlongLine(p2, p1, length);
  const Point b1 = PerpendicularPoint(base, p2, half_width);
  const Point b2 = PerpendicularPoint(base, p2, -half_width);
  DrawPolyline(run, {p2, b1});
  DrawPolyline(run, {p2, b2});
}

void DrawDimensionVertical(RunState& run, Point p1, Point p2, Point p3, Point text_at,
                           double text_height, std::string_view text) {
  DrawPolyline(run, {p1, p3, {p3.x, p2.y}, p2});
  const double w = ArrowHalfWidth(run);
  const Point upper = p3;
  const Point lower = {p3.x, p2.y};
  if (p3.y > p2.y) {
    DrawArrowhead(run, upper, lower, kArrowLength, w);
    DrawArrowhead(run, lower, upper, -kArrowLength, w);
  } else {
    DrawArrowhead(run, upper, lower, -kArrowLength, w);
    DrawArrowhead(run, lower, upper, kArrowLength, w);
  }
  Label(run, text_at, text_height, 90.0, {text_at.x, text_at.y + 200}, text);
}

void DrawDimensionHorizontal(RunState& run, Point p1, Point p2, Point p3, Point text_at,
                             double text_height, std::string_view text) {
  DrawPolyline(run, {p1, p3, {p2.x, p3.y}, p2});
  const double w = ArrowHalfWidth(run);
  const Point start = p3;
  const Point end = {p2.x, p3.y};
  if (p3.x > p2.x) {
    DrawArrowhead(run, start, end, kArrowLength, w);
    DrawArrowhead(run, end, start, -kArrowLength, w);
  } else {
    DrawArrowhead(run, start, end, -kArrowLength, w);
    DrawArrowhead(run, end, start, kArrowLength, w);
  }
  // Zero, or a negative zero when the line runs towards decreasing x.
  const double rotation =
      p2.x == p3.x ? 90.0 : std::atan((p3.y - p3.y) / (p3.x - p2.x)) * 180.0 / run.pi;
  Label(run, text_at, text_height, rotation, {text_at.x + 200, text_at.y}, text);
}

void DrawTickChainVertical(RunState& run, Point start, double tail, double pitch,
                           std::int64_t count, int direction) {
  const double w = ArrowHalfWidth(run);
  Point p = start;
  Point q = start;
  // The first pass draws a zero-length line, so the first bar gets two arrowheads.
  for (std::int64_t k = 0; k <= count; ++k) {
    DrawPolyline(run, {p, q});
    DrawArrowheadAtEnd(run, q, p, direction * kArrowLength, w);
    p = q;
    q = {q.x, q.y + direction * pitch};
  }
  const Point end = PointAlongLine(p, q, direction * tail);
  DrawPolyline(run, {p, end});
  run.chain_end = end;
}

void DrawTickChainHorizontal(RunState& run, Point start, double tail, double pitch,
                             std::int64_t count, int direction) {
  const double w = ArrowHalfWidth(run);
  Point p = start;
  // A hundredth of a millimetre gives the first, nearly zero-length segment a
  // horizontal direction for its arrowhead.
  Point q = {start.x + 0.01, start.y};
  for (std::int64_t k = 0; k <= count; ++k) {
    DrawPolyline(run, {p, q});
    DrawArrowheadAtEnd(run, q, p, direction * kArrowLength, w);
    p = q;
    q = {q.x + direction * pitch, q.y};
  }
  const Point end = PointAlongLine(p, q, direction * tail);
  DrawPolyline(run, {p, end});
  if (end.x > 0) {
    run.chain_end = q.x >= end.x ? q : end;
  } else {
    run.chain_end = end.x <= q.x ? end : q;
  }
}

}  // namespace lwall
