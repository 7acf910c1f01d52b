// Bars, labels, ties and callouts of the footing slab plan, in drawing order.
#include "drawings/assembly/footing_plan_bars.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>

#include "common/japanese_texts.h"
#include "drawings/assembly/bar_marks.h"
#include "drawings/assembly/footing_plan_dimensions.h"
#include "kernel/dimensions.h"
#include "kernel/primitives.h"
#include "kernel/rebar_rules.h"

namespace lwall {

namespace {

// Every S2 tie is a D13 bar.
constexpr int kTieDiameter = 13;

void StartPlanElement(RunState& run) {
  SetOrigin(run, kFootingPlanOrigin.x, kFootingPlanOrigin.y);
}

// A view arrow: a leader from `tip` (where the arrowhead is) to `tail`.
void ViewArrow(RunState& run, Point tip, Point tail) {
  SelectLayer(run, "D-STR-DIM");
  run.script.ScriptLeader(tip, tail, run.context.origin);
  DrawArrowLine(run, tip, tail);
}

// The reference line splitting the plan into the top face (above) and the
// bottom face (below), an arrow and a label for each half, and the title.
void DrawReferenceLineAndLabels(RunState& run, SlabEdges e) {
  SelectLayer(run, "D-BMK");
  StartPlanElement(run);
  DrawCenterPolyline(run, {{e.left - 1500, 0}, {e.right + 1500, 0}});
  const double xa = e.left - 1500;
  ViewArrow(run, {xa, -1500}, {xa, 0});
  SelectLayer(run, "D-STR-HTXT");
  DrawAlignedText(run, {xa, -2800.0 / 3}, {xa - 50, -2800.0 / 3 + 50}, 200, 90, ja::kBottomFace,
                  "KANJI");
  ViewArrow(run, {xa, 1500}, {xa, 0});
  SelectLayer(run, "D-STR-HTXT");
  DrawAlignedText(run, {xa, 500}, {xa, 550}, 200, 90, ja::kTopFace, "KANJI");
  DrawAlignedText(run, {xa - 500, -300}, {xa - 500, 200}, 400, 90, ja::kFooting, "KANJI");
}

// F1 (top face, upwards) and F2 (bottom face, downwards): the first segment
// of each, as lines across the slab.
void DrawCrossBars(RunState& run, SlabEdges e) {
  const DesignData& d = run.design;
  const double t = d.wall_thickness;
  const double cwb = d.cover_wall_back;
  const double pF1 = d.F1.pitch[1];
  const double pF2 = d.F2.pitch[1];
  SelectLayer(run, "D-STR-STR1");
  std::array<Point, 2> top = {Point{-t / 2 + cwb, pF1}, Point{t / 2 + d.heel_width - cwb, pF1}};
  DrawBarRow(run, top, pF1, d.F1.pitch_count[1], 0, 1);
  std::array<Point, 2> bottom = {Point{e.left + cwb, -pF2}, Point{e.right - cwb, -pF2}};
  DrawBarRow(run, bottom, pF2, d.F2.pitch_count[1], 0, -1);
}

// Longitudinal bars of one face: a line at the left cover, then one line per
// pitch of every segment, from the reference line to y = `end`.
void DrawLongitudinalBars(RunState& run, SlabEdges e, const BarArrangement& bars, double end) {
  double x = e.left + run.design.cover_wall_back;
  DrawPolyline(run, {{x, 0}, {x, end}});
  for (int k = 1; k <= bars.EffectiveSegmentCount(); ++k) {
    for (std::int64_t j = 1; j <= bars.pitch_count[k]; ++j) {
      x += bars.pitch[k];
      DrawPolyline(run, {{x, 0}, {x, end}});
    }
  }
}

void DrawTopLongitudinalBars(RunState& run, SlabEdges e) {
  const DesignData& d = run.design;
  DrawLongitudinalBars(run, e, d.F3, d.view_length_right);
  BarScheduleRow& row = run.schedule[kRowF3];
  MarkRow(row, "F3", "5", d.F3.diameter[1],
          static_cast<std::int64_t>(d.F3.pitch_count[2]) + d.F3.pitch_count[3]);
  row.l1 = (d.view_length_left + d.view_length_right) / 2;
  row.length = row.l1;
  // The bars scheduled are those of the second and third segments.
  row.unit_mass = UnitMass(d.F3.diameter[2]);
}

void DrawBottomLongitudinalBars(RunState& run, SlabEdges e) {
  const DesignData& d = run.design;
  SelectLayer(run, "D-STR-STR1");
  DrawLongitudinalBars(run, e, d.F4, -d.view_length_left);
  std::int64_t count = 1;  // the bar at the left cover, before the first pitch
  for (int k = 1; k <= 5; ++k) count += d.F4.pitch_count[k];
  BarScheduleRow& row = run.schedule[kRowF4];
  MarkRow(row, "F4", "5", d.F4.diameter[1], count);
  row.l1 = (d.view_length_left + d.view_length_right) / 2;
  row.length = row.l1;
}

// The S2 ties run along y over a whole number of F1 pitches, at least 500:
// m pitches (two at 250, four at 125). No length exists for a pitch that is
// not positive, or so small or so large that the quotient is not finite.
struct TieStep {
  double pitches;  // m
  double length;   // P = m * pF1
};

std::optional<TieStep> S2TieStep(double pF1) {
  if (!(pF1 > 0) || !std::isfinite(pF1)) return std::nullopt;
  const double quotient = 500 / pF1;
  if (!std::isfinite(quotient)) return std::nullopt;
  const double m = std::ceil(quotient);
  return TieStep{m, m * pF1};
}

struct TieLayout {
  std::int64_t count = 0;
  Point anchor;  // where the S2 callout's leader starts
};

// The staggered S2 ties of the top face. From the heel edge leftwards, every
// second F3 bar gets a column of ties one tie length apart; columns 1, 5, 9,
// 13 and 17 start one tie length higher than the others. A column stops at
// the first tie that would pass the top cross bars.
TieLayout DrawS2Ties(RunState& run, const std::optional<TieStep>& step) {
  const DesignData& d = run.design;
  TieLayout ties;
  if (!step) return ties;
  const double P = step->length;
  const int s = d.F3.EffectiveSegmentCount();
  // The last two segments of F3 carry the ties.
  const std::int64_t N =
      s >= 1 ? static_cast<std::int64_t>(d.F3.pitch_count[s - 1]) + d.F3.pitch_count[s] : 0;
  const double slots = std::floor((static_cast<double>(d.F1.pitch_count[1]) + d.F1.pitch_count[2]) /
                                  (2 * step->pitches)) +
                       1;
  const double limit = d.F1.pitch_count[1] * d.F1.pitch[1] + d.F1.pitch_count[3] * d.F1.pitch[3];
  for (std::int64_t i = 1; i <= N - 1; i += 2) {
    const double x = d.wall_thickness / 2 + d.heel_width - d.cover_back_side -
                     static_cast<double>(i) * d.F3.pitch[s] - 13;
    const bool raised = i == 1 || i == 5 || i == 9 || i == 13 || i == 17;
    const double offset = raised ? P : 0;
    for (double j = 1; j <= slots + 1; ++j) {
      const double y0 = (2 * j - 2) * P + offset;
      if (i == 1 && j == 1) ties.anchor = {x, y0 + P / 2};
      if (y0 + P > limit) break;
      ++ties.count;
      DrawPolyline(run, {{x + 50, y0 - 50}, {x, y0}, {x, y0 + P}, {x + 50, y0 + P + 50}});
    }
  }
  return ties;
}

void DrawS2Callout(RunState& run, Point anchor) {
  const Point elbow = {anchor.x + 500, anchor.y + 1000};
  SelectLayer(run, "D-STR-DIM");
  run.script.ScriptLeader(anchor, elbow, run.context.origin);
  DrawArrowLine(run, anchor, elbow);
  DrawPolyline(run, {elbow, {anchor.x + 1500, anchor.y + 1000}});
  run.design.s2_diameter = kTieDiameter;
  MarkBubble(run, elbow, "S2", run.design.s2_diameter);
}

void FillS2Row(RunState& run, std::int64_t tie_count, const std::optional<TieStep>& step) {
  DesignData& d = run.design;
  d.s2_count = static_cast<int>(std::clamp<std::int64_t>(tie_count, 0, INT_MAX));
  BarScheduleRow& row = run.schedule[kRowS2];
  MarkRow(row, "S2", "3", kTieDiameter, tie_count);
  const int dF1 = d.F1.diameter[1];
  // Half the two top bar diameters, in whole millimetres.
  const std::int64_t half_bars = (static_cast<std::int64_t>(dF1) + d.F3.diameter[1]) / 2;
  row.l2 = std::ceil(d.footing_thickness - d.cover_footing_top - d.cover_footing_bottom +
                     static_cast<double>(half_bars) + 13);
  if (step) row.l3 = step->length + dF1 + kTieDiameter;
  row.length = std::floor((2 * row.l2 + row.l3 + 200) / 10) * 10 + 10;
  row.l1 = std::ceil((row.length - row.l3 - 2 * row.l2) / 2);
}

// F3: tick chains leftwards over the third and second segments, a leader
// down into the toe, the bubble.
void DrawTopLongitudinalCallout(RunState& run, SlabEdges e) {
  const BarArrangement& F3 = run.design.F3;
  SelectLayer(run, "D-STR-DIM");
  StartPlanElement(run);
  const double y = 1.5 * run.design.F1.pitch[1];
  const double second_end = e.left + run.design.cover_wall_back + F3.pitch_count[1] * F3.pitch[1] +
                            F3.pitch_count[2] * F3.pitch[2];
  DrawTickChainHorizontal(run, {second_end + F3.pitch_count[3] * F3.pitch[3], y}, 500, F3.pitch[3],
                          F3.pitch_count[3], -1);
  DrawTickChainHorizontal(run, {second_end, y}, 500, F3.pitch[2], F3.pitch_count[2], -1);
  const Point end = run.chain_end;
  DrawPolyline(run, {end, {end.x, end.y - 2500}, {end.x - 1500, end.y - 2500}});
  MarkBubble(run, {end.x - 1500, end.y - 2500}, "F3", F3.diameter[2]);
}

// F4: tick chains rightwards over the first segments, the bubble at the end.
void DrawBottomLongitudinalCallout(RunState& run, SlabEdges e) {
  const BarArrangement& F4 = run.design.F4;
  SelectLayer(run, "D-STR-DIM");
  StartPlanElement(run);
  const double x0 = e.left + run.design.cover_wall_back;
  const double y = 175 - 3 * F4.pitch[1];
  const double first_end = x0 + F4.pitch_count[1] * F4.pitch[1];
  DrawTickChainHorizontal(run, {x0, y}, 1000, F4.pitch[1], F4.pitch_count[1], 1);
  DrawTickChainHorizontal(run, {first_end, y}, 1000, F4.pitch[2],
                          static_cast<std::int64_t>(F4.pitch_count[2]) + 1, 1);
  if (F4.pitch_count[3] != 0) {
    DrawTickChainHorizontal(run, {first_end + F4.pitch_count[2] * F4.pitch[2], y}, 1000,
                            F4.pitch[3], static_cast<std::int64_t>(F4.pitch_count[3]) + 1, 1);
  }
  const Point end = run.chain_end;
  MarkBubble(run, {end.x - 550, end.y}, "F4", F4.diameter[1]);
}

// F1 and F2: a vertical tick chain over the bars of one face, the bubble
// beside the heel and a line out to it.
void DrawCrossBarCallout(RunState& run, Point start, const BarArrangement& bars, int direction,
                         std::string_view mark) {
  const double t = run.design.wall_thickness;
  const double K = run.design.heel_width;
  SelectLayer(run, "D-STR-DIM");
  StartPlanElement(run);
  DrawTickChainVertical(run, start, 1000, bars.pitch[1], bars.pitch_count[1], direction);
  const Point end = run.chain_end;
  MarkBubble(run, {t / 2 + end.x + K - 50, end.y}, mark, bars.diameter[1]);
  SelectLayer(run, "D-STR-DIM");
  DrawPolyline(run, {end, {t / 2 + end.x + K + 1200, end.y}});
}

}  // namespace

void DrawFootingPlanBars(RunState& run) {
  const DesignData& d = run.design;
  const SlabEdges edges = FootingSlabEdges(d);
  const double t = d.wall_thickness;
  const double K = d.heel_width;
  DrawReferenceLineAndLabels(run, edges);
  DrawCrossBars(run, edges);
  DrawTopLongitudinalBars(run, edges);
  DrawBottomLongitudinalBars(run, edges);
  const std::optional<TieStep> step = S2TieStep(d.F1.pitch[1]);
  const TieLayout ties = DrawS2Ties(run, step);
  DrawS2Callout(run, ties.anchor);
  FillS2Row(run, ties.count, step);
  DrawTopLongitudinalCallout(run, edges);
  DrawBottomLongitudinalCallout(run, edges);
  DrawCrossBarCallout(run, {(t / 2 + K) / 2 + d.F3.pitch[2] / 2, d.F1.pitch[1]}, d.F1, 1, "F1");
  DrawCrossBarCallout(run, {(-t / 2 + K) / 2 + d.F4.pitch[2] / 2, -d.F2.pitch[1]}, d.F2, -1, "F2");
  // The wall's back face where it meets the slab.
  DrawHiddenPolyline(run, {{t / 2, 0}, {t / 2, 1000}});
}

}  // namespace lwall
