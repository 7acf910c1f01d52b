// Polylines, arrow lines, texts, circles, bubbles, bar rows and bar dots.
#include "kernel/primitives.h"

#include <cmath>

namespace lwall {

namespace {

enum class Linetype { kContinuous, kHidden, kCenter };

void Polyline(RunState& run, std::span<const Point> points, Linetype linetype) {
  const DrawContext& c = run.context;
  run.script.Polyline(points, c.origin);
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double x1 = points[i].x + c.origin.x;
    const double y1 = points[i].y + c.origin.y;
    const double x2 = points[i + 1].x + c.origin.x;
    const double y2 = points[i + 1].y + c.origin.y;
    switch (linetype) {
      case Linetype::kContinuous:
        run.dxf.WriteDxfLine(c.layer, c.thickness, c.colour, x1, y1, x2, y2);
        break;
      case Linetype::kHidden:
        run.dxf.WriteDxfHiddenLine(c.layer, c.thickness, c.colour, x1, y1, x2, y2);
        break;
      case Linetype::kCenter:
        run.dxf.WriteDxfCenterLine(c.layer, c.thickness, c.colour, x1, y1, x2, y2);
        break;
    }
  }
}

void Line(RunState& run, Point a, Point b) {
  const DrawContext& c = run.context;
  run.dxf.WriteDxfLine(c.layer, c.thickness, c.colour, a.x + c.origin.x, a.y + c.origin.y,
                       b.x + c.origin.x, b.y + c.origin.y);
}

// The two barbs of a leader's arrowhead at `tip`, for a direction angle in degrees.
void LeaderBarbs(RunState& run, Point tip, double angle) {
  constexpr double kLength = 150.0;
  const double half_width = kLength * std::tan(15.0 * run.pi / 180.0);
  const double cs = std::cos(angle * run.pi / 180.0);
  const double sn = std::sin(angle * run.pi / 180.0);
  Line(run, tip, {tip.x + kLength * cs - half_width * sn, tip.y + kLength * sn + half_width * cs});
  Line(run, tip, {tip.x + kLength * cs + half_width * sn, tip.y + kLength * sn - half_width * cs});
}

}  // namespace

void ScalePoints(double factor, std::span<Point> points) {
  for (Point& p : points) {
    p.x = factor * p.x;
    p.y = factor * p.y;
  }
}

void DrawPolyline(RunState& run, std::span<const Point> points) {
  Polyline(run, points, Linetype::kContinuous);
}

void DrawHiddenPolyline(RunState& run, std::span<const Point> points) {
  Polyline(run, points, Linetype::kHidden);
}

void DrawCenterPolyline(RunState& run, std::span<const Point> points) {
  Polyline(run, points, Linetype::kCenter);
}

void DrawArrowLine(RunState& run, Point p1, Point p2) {
  Line(run, p1, p2);
  double angle;
  if (p1.x == p2.x) {
    angle = p1.y < p2.y ? 90.0 : 270.0;
  } else if (p1.y == p2.y) {
    angle = p1.x < p2.x ? 0.0 : 180.0;
  } else {
    angle = std::atan((p1.y - p2.y) / (p1.x - p2.x)) * 180.0 / run.pi;
    if (angle < 0) angle += 180.0;
  }
  LeaderBarbs(run, p1, angle);
}

void DrawArrowLine(RunState& run, Point p1, Point p2, Point p3) {
  Line(run, p1, p2);
  Line(run, p2, p3);
  double angle;
  if (p1.x == p2.x) {
    angle = p1.y < p2.y ? 90.0 : 270.0;
  } else {
    angle = std::atan((p1.y - p2.y) / (p1.x - p2.x)) * 180.0 / run.pi;
  }
  LeaderBarbs(run, p1, angle);
}

void DrawText(RunState& run, Point p, std::int64_t height, double angle, std::string_view text) {
  const DrawContext& c = run.context;
  run.script.Text(p, height, angle, text, c.origin);
  run.dxf.WriteDxfText(c.layer, c.thickness, 0, height, text, 1.0, angle, p.x + c.origin.x,
                       p.y + c.origin.y);
}

void DrawAlignedText(RunState& run, Point p1, Point p2, std::int64_t height, double rotation,
                     std::string_view text, std::string_view style) {
  const DrawContext& c = run.context;
  run.dxf.WriteDxfAlignedText(c.layer, c.thickness, 0, height, text, 1.0, rotation, style,
                              p1.x + c.origin.x, p1.y + c.origin.y, p2.x + c.origin.x,
                              p2.y + c.origin.y);
}

void DrawCircle(RunState& run, Point centre, double radius) {
  const DrawContext& c = run.context;
  run.script.Circle(centre, radius, c.origin);
  run.dxf.WriteDxfCircle(c.layer, c.colour, centre.x, centre.y, radius, c.thickness, c.origin.x,
                         c.origin.y);
}

void DrawBarMarkBubble(RunState& run, Point p, double radius, std::int64_t height, double angle,
                       std::string_view mark, std::string_view diameter_text) {
  DrawText(run, {p.x, p.y + 125}, height, angle, mark);
  DrawCircle(run, {p.x + radius - 80, p.y + radius}, radius);
  DrawText(run, {p.x + 600, p.y}, height, angle, diameter_text);
}

void DrawBarRow(RunState& run, std::array<Point, 2>& segment, double pitch, std::int64_t count,
                int step_x, int step_y) {
  for (std::int64_t k = 1; k <= count; ++k) {
    DrawPolyline(run, segment);
    for (Point& p : segment) {
      p.x += step_x * pitch;
      p.y += step_y * pitch;
    }
  }
}

void DrawBarDots(RunState& run, Point start, std::int64_t diameter, double pitch,
                 std::int64_t count, int step_x, int step_y) {
  const DrawContext& c = run.context;
  Point p = start;
  for (std::int64_t k = 1; k <= count; ++k) {
    run.script.Donut(p, diameter, c.origin);
    // Concentric circles half a millimetre apart fill the dot in the DXF file.
    for (std::int64_t j = 1; j <= diameter; ++j) {
      run.dxf.WriteDxfCircle(c.layer, c.colour, p.x, p.y, 0.5 * static_cast<double>(j), c.thickness,
                             c.origin.x, c.origin.y);
    }
    p.x += step_x * pitch;
    p.y += step_y * pitch;
  }
}

}  // namespace lwall
