// The wall face view's bars and callouts, in drawing order.
#include "drawings/arrangement/wall_face_bars.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/japanese_texts.h"
#include "drawings/arrangement/arrangement_patterns.h"
#include "kernel/dimensions.h"
#include "kernel/primitives.h"
#include "kernel/rebar_rules.h"

namespace lwall {

namespace {

constexpr int kTieDiameter = 13;

// The crown bar level, where the vertical bars end.
double CrownBarLevel(const DesignData& d) {
  return d.footing_thickness + d.wall_height - d.cover_wall_top;
}
// The level of the face labels above the wall.
double LabelLevel(const DesignData& d) {
  return d.footing_thickness + d.wall_height + 2000;
}
// The last bar of a horizontal bar's first segment.
double FirstSegmentTop(const DesignData& d, const BarArrangement& bar) {
  return d.footing_thickness - d.cover_footing_top + bar.pitch_count[1] * bar.pitch[1];
}
// The first bar of the second segment, one of its own pitches higher.
double SecondSegmentStart(const DesignData& d, const BarArrangement& bar) {
  return FirstSegmentTop(d, bar) + bar.pitch[2];
}
std::int64_t PlusOne(int count) {
  return static_cast<std::int64_t>(count) + 1;
}

void DrawCentreLine(RunState& run) {
  SelectLayer(run, "D-BMK");
  SetOrigin(run, kWallFaceViewOrigin);
  DrawCenterPolyline(run, {{0, -500}, {0, LabelLevel(run.design)}});
}

// An arrow pointing at the centre line from one side, and the face's name.
void DrawFaceLabel(RunState& run, double arrow_x, Point text_from, Point text_to,
                   std::string_view name) {
  const double yt = LabelLevel(run.design);
  SelectLayer(run, "D-STR-DIM");
  run.script.ScriptLeader({arrow_x, yt}, {0, yt}, run.context.origin);
  DrawArrowLine(run, {arrow_x, yt}, {0, yt});
  SelectLayer(run, "D-STR-HTXT");
  DrawAlignedText(run, text_from, text_to, 200, 0, name, "KANJI");
}

void DrawViewLabel(RunState& run) {
  const double yt = LabelLevel(run.design);
  DrawAlignedText(run, {-1000, yt + 500}, {-500, yt + 500}, 400, 0, ja::kWallFaceViewTitle,
                  "KANJI");
}

// A row of `count` bars from the segment from–to, moved by pitch·step each time.
void BarRow(RunState& run, Point from, Point to, double pitch, std::int64_t count, int step_x,
            int step_y) {
  std::array<Point, 2> segment{from, to};
  SetOrigin(run, kWallFaceViewOrigin);
  DrawBarRow(run, segment, pitch, count, step_x, step_y);
}

// W1 from the back face's outer end inwards, then W2 from the front face's.
void DrawVerticalBars(RunState& run) {
  const DesignData& d = run.design;
  const double L = d.view_length_left, R = d.view_length_right;
  const double cfb = d.cover_footing_bottom, yc = CrownBarLevel(d);
  SelectLayer(run, "D-STR-STR1");
  BarRow(run, {R, cfb}, {R, yc}, d.W1.pitch[1], PlusOne(d.W1.pitch_count[1]), -1, 0);
  BarRow(run, {-L, cfb}, {-L, yc}, d.W2.pitch[1], d.W2.pitch_count[1], 1, 0);
}

// The bottom bar level across one half of the view.
void DrawBottomLine(RunState& run, double from_x, double to_x) {
  const double cfb = run.design.cover_footing_bottom;
  DrawPolyline(run, {{from_x, cfb}, {to_x, cfb}});
}

// The first segment of a face's horizontal bars, from the face's outer end
// `end_x` to the centre line, starting at the top bar level of the footing.
void DrawHorizontalSegment1(RunState& run, const BarArrangement& bar, double end_x) {
  const double y1 = run.design.footing_thickness - run.design.cover_footing_top;
  BarRow(run, {end_x, y1}, {0, y1}, bar.pitch[1], PlusOne(bar.pitch_count[1]), 0, 1);
}

// Segments 2 and 3, each starting one of its own pitches above the last bar
// of the segment below.
void DrawHorizontalSegments2And3(RunState& run, const BarArrangement& bar, double end_x) {
  const double y2 = SecondSegmentStart(run.design, bar);
  BarRow(run, {end_x, y2}, {0, y2}, bar.pitch[2], bar.pitch_count[2], 0, 1);
  const double y3 =
      FirstSegmentTop(run.design, bar) + bar.pitch_count[2] * bar.pitch[2] + bar.pitch[3];
  BarRow(run, {end_x, y3}, {0, y3}, bar.pitch[3], bar.pitch_count[3], 0, 1);
}

// A horizontal bar runs the length of the view's half on average.
void FillHorizontalBarRow(RunState& run, int row_number, std::string_view mark,
                          const BarArrangement& bar) {
  const DesignData& d = run.design;
  BarScheduleRow& row = run.schedule[row_number];
  row.mark = mark;
  row.shape_code = "5";
  row.diameter_text = DiameterText(bar.diameter[1]);
  row.count = PlusOne(bar.pitch_count[1]) + bar.pitch_count[2];
  row.length = (d.view_length_left + d.view_length_right) / 2;
  row.l1 = row.length;
  row.unit_mass = UnitMass(bar.diameter[1]);
}

// The legs of the crown bars, hanging from the crown bar level on both
// halves; both halves take the leg length of the first diameter.
void DrawCrownBarLegs(RunState& run) {
  const BarArrangement& W5 = run.design.W5;
  const double yc = CrownBarLevel(run.design);
  const double h = LengthByType(W5.diameter[1], 1);
  const double xr = W5.pitch[1] + W5.diameter[1];
  BarRow(run, {xr, yc}, {xr, yc - h}, W5.pitch[1], W5.pitch_count[1], 1, 0);
  const double xl = -W5.pitch[2] + W5.diameter[2];
  BarRow(run, {xl, yc}, {xl, yc - h}, W5.pitch[2], W5.pitch_count[2], -1, 0);
}

struct S1Marks {
  Point a;  // second mark of the second column, where the callout leaders end
  Point b;  // second mark of the fourth column
  std::int64_t count = 0;
};

// The S1 ties seen end-on as short slanted marks, in columns at the front
// face's vertical bars walking left from the centre line, alternately
// starting at the second and the fourth horizontal bar. A mark that would
// stand above the first horizontal segment is put on the first bar of the
// second.
S1Marks DrawS1Marks(RunState& run) {
  const DesignData& d = run.design;
  const std::int64_t P = d.W2.pitch_count[1];
  const std::int64_t Q =
      std::max<std::int64_t>(static_cast<std::int64_t>(d.W2.pitch_count[2]) - 1, 0);
  const std::int64_t s = static_cast<std::int64_t>(d.W4.pitch_count[1]) + d.W4.pitch_count[2];
  const double base = d.footing_thickness - d.cover_footing_top;
  const double ytop1 = FirstSegmentTop(d, d.W4);
  const double step = S1MarkStep(d.F1.pitch[1]);
  auto marks_in_column = [s](std::int64_t first_bar) {
    return static_cast<std::int64_t>(std::floor(static_cast<double>(s - first_bar) / 4.0)) + 1;
  };

  S1Marks marks;
  double x = 0;
  for (std::int64_t i = 1; i <= P + Q; ++i) {
    x -= i <= P ? d.W2.pitch[1] : d.W2.pitch[2];
    const bool even = i % 2 == 0;
    const std::int64_t m = even ? marks_in_column(4) : marks_in_column(6);
    const double y0 = base + (even ? 2 : 4) * d.W4.pitch[1];
    SetOrigin(run, kWallFaceViewOrigin);
    for (std::int64_t j = 1; j <= m; ++j) {
      double y = y0 + 2 * static_cast<double>(j - 1) * step;
      if (y > ytop1) y = ytop1 + d.W4.pitch[2];
      DrawPolyline(run, {{x - 50, y - 50}, {x, y}, {x + 50, y + 50}});
      ++marks.count;
      if (i == 2 && j == 2) marks.a = {x, y};
      if (i == 4 && j == 2) marks.b = {x, y};
    }
  }
  return marks;
}

// Two leaders from the remembered marks meet at one point, whence a line
// runs left to the "S1" bubble. Also records how many ties were marked.
void DrawS1Callout(RunState& run, const S1Marks& marks) {
  SelectLayer(run, "D-STR-DIM");
  const Point e{marks.a.x - 1500, marks.a.y + 1000};
  run.script.ScriptLeader(marks.a, e, run.context.origin);
  DrawArrowLine(run, marks.a, e);
  run.script.ScriptLeader(marks.b, e, run.context.origin);
  DrawArrowLine(run, marks.b, e);
  DrawPolyline(run, {e, {e.x - 1000, e.y}});
  run.design.s1_diameter = kTieDiameter;
  run.schedule[kRowS1].count = marks.count;
  SelectLayer(run, "D-STR-HTXT");
  DrawBarMarkBubble(run, {e.x - 1000, e.y}, 200, 125, 0, "S1", DiameterText(kTieDiameter));
}

void StartCallout(RunState& run) {
  SelectLayer(run, "D-STR-DIM");
  SetOrigin(run, kWallFaceViewOrigin);
}

void Bubble(RunState& run, Point p, std::string_view mark, int diameter) {
  SelectLayer(run, "D-STR-HTXT");
  DrawBarMarkBubble(run, p, 200, 125, 0, mark, DiameterText(diameter));
}

// A chain across a face's vertical bars low on the wall, from the first bar
// off the centre line outwards; the bubble sits `bubble_dx` from its tail.
void DrawVerticalBarCallout(RunState& run, const BarArrangement& bar, double chain_y, int direction,
                            double bubble_dx, std::string_view mark) {
  StartCallout(run);
  DrawTickChainHorizontal(run, {direction * bar.pitch[1], chain_y}, 1000, bar.pitch[1],
                          bar.pitch_count[1], direction);
  Bubble(run, {run.chain_end.x + bubble_dx, run.chain_end.y}, mark, bar.diameter[1]);
}

// Two chains up a face's horizontal bars at `x`, one per segment, then the
// bubble and a line `leader_dx` long from the chain's tail.
void DrawHorizontalBarCallout(RunState& run, const BarArrangement& bar, double x, double bubble_dx,
                              double leader_dx, std::string_view mark) {
  const DesignData& d = run.design;
  StartCallout(run);
  DrawTickChainVertical(run, {x, d.footing_thickness - d.cover_footing_top}, 1000, bar.pitch[1],
                        PlusOne(bar.pitch_count[1]), +1);
  DrawTickChainVertical(run, {x, SecondSegmentStart(d, bar)}, 1000, bar.pitch[2],
                        bar.pitch_count[2], +1);
  const Point end = run.chain_end;
  Bubble(run, {end.x + bubble_dx, end.y}, mark, bar.diameter[1]);
  SelectLayer(run, "D-STR-DIM");
  DrawPolyline(run, {end, {end.x + leader_dx, end.y}});
}

// A chain across one half's crown bar legs near the crown, a line up and
// out, and the bubble at its end.
void DrawCrownBarCallout(RunState& run, int direction, double bubble_dx) {
  const DesignData& d = run.design;
  const BarArrangement& W5 = d.W5;
  const double yw = d.footing_thickness + d.wall_height - 100 - 1.5 * d.W4.pitch[2];
  StartCallout(run);
  DrawTickChainHorizontal(run, {direction * W5.pitch[1], yw}, 500, W5.pitch[1], W5.pitch_count[1],
                          direction);
  const Point end = run.chain_end;
  DrawPolyline(run, {end, {end.x, end.y + 800}, {end.x + direction * 1500, end.y + 800}});
  Bubble(run, {end.x + bubble_dx, end.y + 800}, "W5", W5.diameter[1]);
}

// The footing top, hidden behind the wall.
void DrawFootingTop(RunState& run) {
  const DesignData& d = run.design;
  DrawHiddenPolyline(run, {{-d.view_length_left, d.footing_thickness},
                           {d.view_length_right, d.footing_thickness}});
}

}  // namespace

double S1MarkStep(double f1_pitch) {
  constexpr double kFallback = 500;
  if (!(f1_pitch > 0)) return kFallback;
  const double pitches = kFallback / f1_pitch;
  if (!std::isfinite(pitches)) return kFallback;
  const double step = std::ceil(pitches) * f1_pitch;
  return std::isfinite(step) ? step : kFallback;
}

void DrawWallFaceBars(RunState& run) {
  const DesignData& d = run.design;
  const double L = d.view_length_left, R = d.view_length_right;
  const double yt = LabelLevel(d);

  DrawCentreLine(run);
  DrawFaceLabel(run, -2000, {-1500, yt + 100}, {-500, yt + 100}, ja::kFrontFace);
  DrawFaceLabel(run, 2000, {1300, yt + 200}, {1800, yt + 200}, ja::kBackFace);
  DrawViewLabel(run);

  DrawVerticalBars(run);
  DrawBottomLine(run, -L, 0);
  DrawHorizontalSegment1(run, d.W4, -L);
  DrawBottomLine(run, 0, R);
  DrawHorizontalSegments2And3(run, d.W4, -L);
  SelectLayer(run, "D-STR-HTXT");
  FillHorizontalBarRow(run, kRowW4, "W4", d.W4);
  SelectLayer(run, "D-STR-STR1");
  DrawHorizontalSegment1(run, d.W3, R);
  DrawHorizontalSegments2And3(run, d.W3, R);
  SelectLayer(run, "D-STR-HTXT");
  FillHorizontalBarRow(run, kRowW3, "W3", d.W3);
  SelectLayer(run, "D-STR-STR1");
  DrawCrownBarLegs(run);

  const S1Marks marks = DrawS1Marks(run);
  DrawS1Callout(run, marks);

  DrawVerticalBarCallout(run, d.W1, 5 * d.W3.pitch[1] + 100, +1, -550, "W1");
  DrawVerticalBarCallout(run, d.W2, 5 * d.W4.pitch[1] + 100, -1, -50, "W2");
  DrawHorizontalBarCallout(run, d.W4, -L / 2.2, -1500, -1500, "W4");
  DrawHorizontalBarCallout(run, d.W3, R / 2.2, 0, +1500, "W3");
  DrawCrownBarCallout(run, -1, -1450);
  DrawCrownBarCallout(run, +1, +50);

  DrawFootingTop(run);
}

}  // namespace lwall
