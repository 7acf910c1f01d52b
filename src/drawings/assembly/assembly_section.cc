// The assembly section, bar by bar: W2, W1, W5, F1, F2.
#include "drawings/assembly/assembly_section.h"

#include <algorithm>
#include <cmath>

#include "drawings/assembly/bar_marks.h"
#include "kernel/primitives.h"
#include "kernel/rebar_rules.h"

namespace lwall {

namespace {

// Every bar block starts from the section's origin, whatever the callout of
// the bar before left behind.
void StartBar(RunState& run) {
  SetOrigin(run, 20000, 31000);
}

// Room between the footing's bottom and top bar layers.
double InnerFootingHeight(const DesignData& d) {
  return d.footing_thickness - d.cover_footing_top - d.cover_footing_bottom;
}

// Footing width inside the two end covers: the straight run of F1 and F2.
double FootingBarRun(const DesignData& d) {
  return d.toe_width + d.wall_thickness + d.heel_width - d.cover_back_side - d.cover_front_side;
}

// The footing rows round the sum of their three legs up to whole centimetres.
double RoundedUpLength(const BarScheduleRow& row) {
  return std::ceil((row.l1 + row.l2 + row.l3) / 10.0) * 10.0;
}

// W2: front face bar, its foot on the bottom cover pointing to the heel.
void DrawFrontWallBar(RunState& run, const WallBarLengthSet& wall) {
  const DesignData& d = run.design;
  const int dW2 = d.W2.diameter[1];
  const double cfb = d.cover_footing_bottom;
  const double xm = -d.wall_thickness / 2 + d.cover_wall_front;
  const double ym = cfb + wall.w2_straight / 2;
  StartBar(run);
  DrawPolyline(run, {{xm + wall.w2_leg, cfb}, {xm, cfb}, {xm, cfb + wall.w2_straight}});
  BarCallout(run, {{xm, ym}, {xm - 2000, ym}}, {xm - 2000, ym}, "W2", dW2);
  BarScheduleRow& row = run.schedule[kRowW2];
  MarkRow(row, "W2", "1", dW2, d.W2.pitch_count[1]);
  row.l1 = wall.w2_straight;
  row.l2 = wall.w2_leg;
  row.length = wall.w2_leg + wall.w2_straight;
}

// W1: back face bar; its foot rests on W2's foot, one bar diameter higher.
void DrawBackWallBar(RunState& run, const WallBarLengthSet& wall) {
  const DesignData& d = run.design;
  const int dW1 = d.W1.diameter[1];
  const double foot = dW1 + d.cover_footing_bottom;
  const double xm = d.wall_thickness / 2 - d.cover_wall_back;
  const double ym = foot + wall.w1_straight / 2;
  StartBar(run);
  DrawPolyline(run, {{xm + wall.w1_leg, foot}, {xm, foot}, {xm, foot + wall.w1_straight}});
  BarCallout(run, {{xm, ym}, {xm + 2000, ym}}, {xm + 500, ym}, "W1", dW1);
  BarScheduleRow& row = run.schedule[kRowW1];
  MarkRow(row, "W1", "1", dW1, d.W1.pitch_count[1]);
  row.l1 = wall.w1_straight;
  row.l2 = wall.w1_leg;
  row.length = wall.w1_leg + wall.w1_straight;
}

// W5: the crown cap. It is drawn 10 outside the vertical bars on either side
// so that it stays visible beside them; the schedule gives the inner width.
void DrawCrownBar(RunState& run, const WallBarLengthSet& wall) {
  const DesignData& d = run.design;
  const int dW5 = d.W5.diameter[1];
  const double top = d.footing_thickness + d.wall_height;
  const double width = d.wall_thickness - d.cover_wall_front - d.cover_wall_back;
  const double yc = top - d.cover_wall_top;
  const double leg = wall.crown_leg;
  StartBar(run);
  DrawPolyline(run, {{-width / 2 - 10, yc - leg},
                     {-width / 2 - 10, yc},
                     {width / 2 + 10, yc},
                     {width / 2 + 10, yc - leg}});
  BarCallout(run, {{40, yc}, {40, top + 500}, {1540, top + 500}}, {40, top + 500}, "W5", dW5);
  BarScheduleRow& row = run.schedule[kRowW5];
  MarkRow(row, "W5", "6", dW5, d.W5.pitch_count[1]);
  row.l1 = leg;
  row.l2 = width;
  row.length = 2 * leg + width;
}

// F1: footing top bar, a leg down to the bottom cover at the heel end and a
// hook up at the toe end.
void DrawFootingTopBar(RunState& run) {
  const DesignData& d = run.design;
  const int dF1 = d.F1.diameter[1];
  const double run_length = FootingBarRun(d);
  const double hook = FootingHookLength(d, dF1, 2);
  const double top = d.footing_thickness - d.cover_footing_top;
  const double xr = d.wall_thickness / 2 + d.heel_width - d.cover_wall_back + dF1;
  const double xl = xr - run_length - 2.0 * dF1;
  StartBar(run);
  DrawPolyline(run, {{xr, d.cover_footing_bottom}, {xr, top}, {xl, top}, {xl, top + hook}});
  BarCallout(run, {{xr / 2, top}, {xr / 2, top + 500}, {xr / 2 + 1500, top + 500}},
             {xr / 2, top + 500}, "F1", dF1);
  BarScheduleRow& row = run.schedule[kRowF1];
  MarkRow(row, "F1", "4", dF1, d.F1.pitch_count[1]);
  row.l1 = hook;
  row.l2 = run_length;
  // The heel leg as drawn, from the bottom cover up to the top layer.
  row.l3 = InnerFootingHeight(d);
  row.length = RoundedUpLength(row);
}

// F2: footing bottom bar, an end leg up at the heel (no taller than the room
// between the bar layers) and a hook up at the toe.
void DrawFootingBottomBar(RunState& run) {
  const DesignData& d = run.design;
  const int dF2 = d.F2.diameter[1];
  const double cfb = d.cover_footing_bottom;
  const double hook = FootingHookLength(d, dF2, 2);
  const double end_leg = std::min(LengthByType(dF2, 2), InnerFootingHeight(d));
  const double xr = d.wall_thickness / 2 + d.heel_width - d.cover_wall_back;
  const double xl = -d.wall_thickness / 2 - d.toe_width + d.cover_wall_back - dF2 - 15;
  StartBar(run);
  DrawPolyline(run, {{xr, cfb + end_leg}, {xr, cfb}, {xl, cfb}, {xl, cfb + hook}});
  BarCallout(run, {{xr / 2, cfb}, {xr / 2, cfb - 1000}, {xr / 2 - 2000, cfb - 1000}},
             {xr / 2 - 2000, cfb - 1000}, "F2", dF2);
  BarScheduleRow& row = run.schedule[kRowF2];
  MarkRow(row, "F2", "2", dF2, d.F2.pitch_count[1]);
  row.l1 = hook;
  row.l2 = FootingBarRun(d);
  row.l3 = end_leg;
  row.length = RoundedUpLength(row);
}

}  // namespace

void DrawAssemblySection(RunState& run) {
  const DesignData& d = run.design;
  const WallBarLengthSet wall =
      WallBarLengths(d, d.footing_thickness + d.wall_height, d.W2.diameter[1], d.W1.diameter[1]);
  DrawFrontWallBar(run, wall);
  SelectLayer(run, "D-STR-STR1");
  DrawBackWallBar(run, wall);
  SelectLayer(run, "D-STR-STR1");
  DrawCrownBar(run, wall);
  SelectLayer(run, "D-STR-STR1");
  DrawFootingTopBar(run);
  SelectLayer(run, "D-STR-STR1");
  DrawFootingBottomBar(run);
  SelectLayer(run, "D-STR");
}

}  // namespace lwall
