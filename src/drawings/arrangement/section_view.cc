// The section view, top to bottom in drawing order.
#include "drawings/arrangement/section_view.h"

#include <algorithm>

#include "common/japanese_texts.h"
#include "drawings/arrangement/arrangement_patterns.h"
#include "kernel/primitives.h"
#include "kernel/rebar_rules.h"

namespace lwall {

namespace {

// The closed L of wall and footing, from the heel's bottom corner round
// over the wall crown (whose back corner is repeated three times) and back.
void DrawSectionOutline(RunState& run) {
  const DesignData& d = run.design;
  const double t = d.wall_thickness, T = d.toe_width, K = d.heel_width;
  const double H = d.footing_thickness, Hw = d.wall_height;
  DrawPolyline(run, {{t / 2 + K, 0},
                     {t / 2 + K, H},
                     {t / 2, H},
                     {t / 2, H + Hw},
                     {t / 2, H + Hw},
                     {t / 2, H + Hw},
                     {-t / 2, H + Hw},
                     {-t / 2, H},
                     {-t / 2 - T, H},
                     {-t / 2 - T, 0},
                     {t / 2 + K, 0}});
}

void DrawSectionTitle(RunState& run) {
  const DesignData& d = run.design;
  const double t = d.wall_thickness, H = d.footing_thickness, Hw = d.wall_height;
  SelectLayer(run, "D-STR-HTXT");
  DrawAlignedText(run, {t / 2 - 2000, H + Hw + 2500}, {t / 2 - 1500, H + Hw + 2500}, 400, 0,
                  ja::kSectionViewTitle, "KANJI");
}

// Wall and footing heights on the toe side, widths above the crown and
// under the footing, and the cover chain of the footing height. The measured
// points stand 200 off the concrete.
void DrawSectionDimensions(RunState& run) {
  const DesignData& d = run.design;
  const double t = d.wall_thickness, T = d.toe_width, K = d.heel_width;
  const double H = d.footing_thickness, Hw = d.wall_height;
  const double cfb = d.cover_footing_bottom, cft = d.cover_footing_top;
  const double toe_x = -t / 2 - T - 200;  // measured points left of the toe
  SelectLayer(run, "D-STR-DIM");

  const double heights_x = -t / 2 - T - 2700;
  LinearDimensionVertical(run, {-t / 2 - 200, H + Hw}, {toe_x, H}, heights_x, heights_x - 20);
  LinearDimensionVertical(run, {toe_x, H}, {toe_x, 0}, heights_x, heights_x - 20);
  const double total_x = -t / 2 - T - 3200;
  LinearDimensionVertical(run, {-t / 2 - 200, H + Hw}, {toe_x, 0}, total_x, total_x - 20);

  const double crown_y = H + Hw + 1700;
  LinearDimensionHorizontal(run, {-t / 2, H + Hw + 200}, {t / 2, H + Hw + 200}, crown_y,
                            crown_y + 50);
  LinearDimensionHorizontal(run, {t / 2, H + Hw + 200}, {t / 2 + K, H + 200}, crown_y,
                            crown_y + 20);
  LinearDimensionHorizontal(run, {-t / 2 - T, -200}, {t / 2 + K, -200}, -2200, -2200 + 20);

  // The middle label of the cover chain stands right of its line, clear of
  // the two short cover labels.
  const double covers_x = -t / 2 - T - 1700;
  LinearDimensionVertical(run, {toe_x, H}, {toe_x, H - cft}, covers_x, covers_x - 20);
  LinearDimensionVertical(run, {toe_x, H - cft}, {toe_x, cfb}, covers_x, covers_x + 350);
  LinearDimensionVertical(run, {toe_x, cfb}, {toe_x, 0}, covers_x, covers_x - 20);
}

// Every main bar block starts on the bar layer at the view origin.
void StartBar(RunState& run) {
  SelectLayer(run, "D-STR-STR1");
  SetOrigin(run, kSectionViewOrigin);
}

// The front-face vertical bar, anchored in the footing with its leg towards the heel.
void DrawBarW2(RunState& run, const WallBarLengthSet& lengths) {
  const DesignData& d = run.design;
  const double xf = -d.wall_thickness / 2 + d.cover_wall_front;
  const double y2 = d.cover_footing_bottom + d.W2.diameter[1];
  StartBar(run);
  DrawPolyline(run, {{xf + lengths.w2_leg, y2}, {xf, y2}, {xf, y2 + lengths.w2_straight}});
  const Point leader_start{xf, y2 + lengths.w2_straight / 2};
  const Point leader_end{xf - 2000, leader_start.y};
  BarCallout(run, {leader_start, leader_end}, leader_end, "W2", d.W2.diameter[1]);
}

// The back-face vertical bar, anchored like W2.
void DrawBarW1(RunState& run, const WallBarLengthSet& lengths) {
  const DesignData& d = run.design;
  const double xb = d.wall_thickness / 2 - d.cover_wall_back;
  const double y1 = d.cover_footing_bottom + d.W1.diameter[1];
  StartBar(run);
  DrawPolyline(run, {{xb + lengths.w1_leg, y1}, {xb, y1}, {xb, y1 + lengths.w1_straight}});
  const Point leader_start{xb, y1 + lengths.w1_straight / 2};
  BarCallout(run, {leader_start, {xb + 2000, leader_start.y}}, {xb + 700, leader_start.y}, "W1",
             d.W1.diameter[1]);
}

// The crown bar, a U over the wall top lapping both vertical bars, 10 outside them.
void DrawBarW5(RunState& run, const WallBarLengthSet& lengths) {
  const DesignData& d = run.design;
  const double w = d.wall_thickness - d.cover_wall_front - d.cover_wall_back;
  const double yc = d.footing_thickness + d.wall_height - d.cover_wall_top;
  const double leg = lengths.crown_leg;
  StartBar(run);
  DrawPolyline(
      run, {{-w / 2 - 10, yc - leg}, {-w / 2 - 10, yc}, {w / 2 + 10, yc}, {w / 2 + 10, yc - leg}});
  BarCallout(run, {{0, yc}, {0, yc + 500}, {1500, yc + 500}}, {100, yc + 500}, "W5",
             d.W5.diameter[1]);
}

// The footing top bar: up from the bottom cover at the heel end, then along
// the top to the toe end. Its callout starts at half the heel end's x.
void DrawBarF1(RunState& run) {
  const DesignData& d = run.design;
  const double xr = d.wall_thickness / 2 + d.heel_width - d.cover_wall_back;
  const double width =
      d.toe_width + d.wall_thickness + d.heel_width - d.cover_back_side - d.cover_front_side;
  const double top = d.footing_thickness - d.cover_footing_top;
  StartBar(run);
  DrawPolyline(run, {{xr, d.cover_footing_bottom}, {xr, top}, {xr - width, top}});
  BarCallout(run, {{xr / 2, top}, {xr / 2, top + 500}, {xr / 2 + 1500, top + 500}},
             {xr / 2 + 100, top + 500}, "F1", d.F1.diameter[1]);
}

// The footing bottom bar with its hook leg up at the heel end; the leg never
// passes the top bar level.
void DrawBarF2(RunState& run) {
  const DesignData& d = run.design;
  const double xr = d.wall_thickness / 2 + d.heel_width - d.cover_wall_back;
  const double cfb = d.cover_footing_bottom;
  const double leg = std::min(FootingHookLength(d, d.F2.diameter[1], 2),
                              d.footing_thickness - d.cover_footing_top - cfb);
  StartBar(run);
  DrawPolyline(
      run,
      {{xr, cfb + leg}, {xr, cfb}, {-d.wall_thickness / 2 - d.toe_width + d.cover_wall_back, cfb}});
  const double xm = (d.heel_width - d.wall_thickness / 3) / 2;
  BarCallout(run, {{xm, cfb}, {xm, cfb - 1000}, {xm - 1500, cfb - 1000}}, {xm - 1400, cfb - 1000},
             "F2", d.F2.diameter[1]);
}

}  // namespace

void DrawSectionView(RunState& run) {
  run.extension_gap = 200;
  SelectLayer(run, "D-STR");
  SetOrigin(run, kSectionViewOrigin);
  DrawSectionOutline(run);
  DrawSectionTitle(run);
  DrawSectionDimensions(run);

  const DesignData& d = run.design;
  const WallBarLengthSet lengths =
      WallBarLengths(d, d.footing_thickness + d.wall_height, d.W2.diameter[1], d.W1.diameter[1]);
  DrawBarW2(run, lengths);
  DrawBarW1(run, lengths);
  DrawBarW5(run, lengths);
  DrawBarF1(run);
  DrawBarF2(run);
  SelectLayer(run, "D-STR-STR1");
}

}  // namespace lwall
