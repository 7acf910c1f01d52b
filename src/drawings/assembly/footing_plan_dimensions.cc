// Outline and dimensions of the footing slab plan, in drawing order.
#include "drawings/assembly/footing_plan_dimensions.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "common/japanese_texts.h"
#include "common/number_format.h"
#include "kernel/dimensions.h"
#include "kernel/primitives.h"

namespace lwall {

namespace {

constexpr double kLabelHeight = kDimensionLabelHeight;

// Where a label starts so that it is centred on `centre`.
double CentredStart(double centre, const std::string& label) {
  return centre - LabelHalfLength(label, kLabelHeight);
}

// A dimension measured along y with a one-line label at x = label_x.
void LinearDimensionVertical(RunState& run, Point a, Point b, double xd, double label_x,
                             double centre_y, const std::string& label) {
  run.script.ScriptDimLinearV(a, b, {xd, a.y}, run.context.origin);
  DrawDimensionVertical(run, a, b, {xd, a.y}, {label_x, CentredStart(centre_y, label)},
                        kLabelHeight, label);
}

// A dimension measured along x with a one-line label at y = label_y.
void LinearDimensionHorizontal(RunState& run, Point a, Point b, double yd, double centre_x,
                               double label_y, const std::string& label) {
  run.script.ScriptDimLinearH(a, b, {a.x, yd}, run.context.origin);
  DrawDimensionHorizontal(run, a, b, {a.x, yd}, {CentredStart(centre_x, label), label_y},
                          kLabelHeight, label);
}

// How a spacing dimension lays out its labels. A segment of one pitch gets
// its length alone; otherwise the dimension is drawn twice, once labelled
// "n×p" and once with the length, so that the two stand on two lines. The
// "_at" values are the labels' coordinates across the dimension line.
struct SpacingLabels {
  std::string_view single_prefix;  // before the length of a one-pitch segment
  double single_at;
  double count_at;
  std::string_view total_prefix;  // before the length under "n×p"
  double total_at;
  std::string_view script_tail;  // after the script's dimension text
};

std::string CountTimesPitch(int count, double pitch) {
  return FormatInt(count) + ja::kTimes + FormatFixed(pitch, 3, 0);
}

// The script's own two-line text; "\P" is the CAD program's line break.
std::string SpacingScriptText(int count, double pitch, std::string_view tail) {
  std::string text = CountTimesPitch(count, pitch) + " \\P= " + FormatWhole(count * pitch);
  text += tail;
  return text;
}

// `count` pitches from a to b along y, the dimension line at x = xd.
void SpacingDimensionVertical(RunState& run, Point a, Point b, double xd, int count, double pitch,
                              const SpacingLabels& labels) {
  const Point line_start = {xd, a.y};
  const double centre = (a.y + b.y) / 2;
  run.script.ScriptDimLinearM(a, b, SpacingScriptText(count, pitch, labels.script_tail), line_start,
                              run.context.origin);
  const std::string total = FormatWhole(count * pitch);
  if (count == 1) {
    const std::string label = std::string(labels.single_prefix) + total;
    DrawDimensionVertical(run, a, b, line_start, {labels.single_at, CentredStart(centre, label)},
                          kLabelHeight, label);
    return;
  }
  const std::string first = CountTimesPitch(count, pitch);
  DrawDimensionVertical(run, a, b, line_start, {labels.count_at, CentredStart(centre, first)},
                        kLabelHeight, first);
  const std::string second = std::string(labels.total_prefix) + total;
  DrawDimensionVertical(run, a, b, line_start, {labels.total_at, CentredStart(centre, second)},
                        kLabelHeight, second);
}

// `count` pitches from a to b along x, the dimension line at y = yd.
void SpacingDimensionHorizontal(RunState& run, Point a, Point b, double yd, int count, double pitch,
                                const SpacingLabels& labels) {
  const Point line_start = {a.x, yd};
  const double centre = (a.x + b.x) / 2;
  run.script.ScriptDimLinearM(a, b, SpacingScriptText(count, pitch, labels.script_tail), line_start,
                              run.context.origin);
  const std::string total = FormatWhole(count * pitch);
  if (count == 1) {
    const std::string label = std::string(labels.single_prefix) + total;
    DrawDimensionHorizontal(run, a, b, line_start, {CentredStart(centre, label), labels.single_at},
                            kLabelHeight, label);
    return;
  }
  const std::string first = CountTimesPitch(count, pitch);
  DrawDimensionHorizontal(run, a, b, line_start, {CentredStart(centre, first), labels.count_at},
                          kLabelHeight, first);
  const std::string second = std::string(labels.total_prefix) + total;
  DrawDimensionHorizontal(run, a, b, line_start, {CentredStart(centre, second), labels.total_at},
                          kLabelHeight, second);
}

void DrawSlabOutline(RunState& run, SlabEdges e) {
  const double Ll = run.design.view_length_left;
  const double Lr = run.design.view_length_right;
  SetOrigin(run, kFootingPlanOrigin.x, kFootingPlanOrigin.y);
  DrawPolyline(run, {{e.left, Lr}, {e.right, Lr}, {e.right, -Ll}, {e.left, -Ll}, {e.left, Lr}});
}

void DrawOverallLength(RunState& run, SlabEdges e) {
  const double Ll = run.design.view_length_left;
  const double Lr = run.design.view_length_right;
  const double xd = e.left - 1100;
  LinearDimensionVertical(run, {e.left - 100, -Ll}, {e.left - 100, Lr}, xd, xd - 50, (Lr - Ll) / 2,
                          FormatWhole(Ll + Lr));
}

// The first segment of the top cross bars F1, upwards from the reference line.
void DrawTopCrossBarSpacing(RunState& run, SlabEdges e) {
  const int n = run.design.F1.pitch_count[1];
  const double p = run.design.F1.pitch[1];
  const double xd = e.right + 2100;
  SpacingDimensionVertical(run, {e.right + 100, 0}, {e.right + 100, n * p}, xd, n, p,
                           {.single_prefix = "",
                            .single_at = xd + 300,
                            .count_at = xd - 200,
                            .total_prefix = "= ",
                            .total_at = xd - 50,
                            .script_tail = ""});
}

// The first segment of the bottom cross bars F2, downwards from the reference line.
void DrawBottomCrossBarSpacing(RunState& run, SlabEdges e) {
  const int n = run.design.F2.pitch_count[1];
  const double p = run.design.F2.pitch[1];
  const double xd = e.right + 2100;
  SpacingDimensionVertical(run, {e.right + 100, 0}, {e.right + 100, -(n * p)}, xd, n, p,
                           {.single_prefix = "",
                            .single_at = xd - 350,
                            .count_at = xd - 200,
                            .total_prefix = "= ",
                            .total_at = xd - 50,
                            .script_tail = ""});
}

// Along the top edge: the width, the left cover, the F3 segments, the right cover.
void DrawTopEdgeDimensions(RunState& run, SlabEdges e) {
  const DesignData& d = run.design;
  const double cwb = d.cover_wall_back;
  const double y = d.view_length_right + 100;
  const double yd = d.view_length_right + 2100;
  const double width_yd = d.view_length_right + 2600;
  LinearDimensionHorizontal(run, {e.left, y}, {e.right, y}, width_yd, (e.left + e.right) / 2,
                            width_yd + 50,
                            FormatWhole(d.toe_width + d.wall_thickness + d.heel_width));
  LinearDimensionHorizontal(run, {e.left, y}, {e.left + cwb, y}, yd, e.left, yd + 50,
                            FormatWhole(cwb));
  double x0 = e.left + cwb;
  for (int k = 1; k <= d.F3.EffectiveSegmentCount(); ++k) {
    const int n = d.F3.pitch_count[k];
    const double p = d.F3.pitch[k];
    const Point b = {x0 + n * p, y};
    SpacingDimensionHorizontal(run, {x0, y}, b, yd, n, p,
                               {.single_prefix = "",
                                .single_at = yd + 50,
                                .count_at = yd + 200,
                                .total_prefix = "= ",
                                .total_at = yd + 50,
                                .script_tail = " "});
    x0 = b.x;
  }
  LinearDimensionHorizontal(run, {e.right - cwb, y}, {e.right, y}, yd, e.right, yd + 50,
                            FormatWhole(cwb));
}

// Along the bottom edge: the width, the left cover, the F4 segments, the right cover.
void DrawBottomEdgeDimensions(RunState& run, SlabEdges e) {
  const DesignData& d = run.design;
  const double cwb = d.cover_wall_back;
  const double y = -d.view_length_left - 100;
  const double yd = -d.view_length_left - 2100;
  const double width_yd = -d.view_length_left - 2600;
  LinearDimensionHorizontal(run, {e.left, y}, {e.right, y}, width_yd, (e.left + e.right) / 2,
                            width_yd + 50,
                            FormatWhole(d.toe_width + d.wall_thickness + d.heel_width));
  LinearDimensionHorizontal(run, {e.left + cwb, y}, {e.left, y}, yd, e.left + cwb, yd - 150,
                            FormatWhole(cwb));
  double x0 = e.left + cwb;
  for (int k = 1; k <= d.F4.EffectiveSegmentCount(); ++k) {
    const int n = d.F4.pitch_count[k];
    const double p = d.F4.pitch[k];
    const Point b = {x0 + n * p, y};
    SpacingDimensionHorizontal(run, {x0, y}, b, yd, n, p,
                               {.single_prefix = " ",
                                .single_at = yd + 350,
                                .count_at = yd + 250,
                                .total_prefix = "=",
                                .total_at = yd + 50,
                                .script_tail = " "});
    x0 = b.x;
  }
  const Point a = {e.right - cwb, y};
  const Point b = {e.right, y};
  LinearDimensionHorizontal(run, a, b, yd, (a.x + b.x) / 2, yd + 50, FormatWhole(cwb));
}

}  // namespace

SlabEdges FootingSlabEdges(const DesignData& design) {
  return {-design.toe_width - design.wall_thickness / 2,
          design.wall_thickness / 2 + design.heel_width};
}

void DrawFootingPlanOutlineAndDimensions(RunState& run) {
  const SlabEdges edges = FootingSlabEdges(run.design);
  DrawSlabOutline(run, edges);
  SelectLayer(run, "D-STR-DIM");
  DrawOverallLength(run, edges);
  // Every later label of the sheet is drawn in the Japanese text style.
  run.dimension_text_style = "KANJI";
  DrawTopCrossBarSpacing(run, edges);
  DrawBottomCrossBarSpacing(run, edges);
  DrawTopEdgeDimensions(run, edges);
  DrawBottomEdgeDimensions(run, edges);
}

}  // namespace lwall
