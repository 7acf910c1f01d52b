// The section view's details, in drawing order.
#include "drawings/arrangement/section_details.h"

#include <array>
#include <cmath>

#include "drawings/arrangement/arrangement_patterns.h"
#include "kernel/dimensions.h"
#include "kernel/primitives.h"
#include "kernel/rebar_rules.h"

namespace lwall {

namespace {

// Ties are always D13 whatever the design data say.
constexpr int kTieDiameter = 13;

double HalfDiameter(int diameter) {
  return std::floor(static_cast<double>(diameter) / 2.0);
}

// The length the segments before `segment` take up.
double LengthBefore(const BarArrangement& bar, int segment) {
  double length = 0;
  for (int k = 1; k < segment; ++k) length += bar.pitch_count[k] * bar.pitch[k];
  return length;
}

// One row of dots; a segment without bars (diameter 0) draws none.
void DotRow(RunState& run, Point start, int diameter, double pitch, std::int64_t count, int step_x,
            int step_y) {
  if (diameter == 0) return;
  SetOrigin(run, kSectionViewOrigin);
  DrawBarDots(run, start, diameter, pitch, count, step_x, step_y);
}

std::int64_t PlusOne(int count) {
  return static_cast<std::int64_t>(count) + 1;
}

// The horizontal wall bars, W4 a full diameter outside the front cover line
// and W3 half a diameter outside the back one; each face's second row
// starts where its first segment ends, drawn or not.
void DrawWallBarDots(RunState& run) {
  const DesignData& d = run.design;
  const double t = d.wall_thickness;
  const double top = d.footing_thickness - d.cover_footing_top;
  const BarArrangement& W4 = d.W4;
  const BarArrangement& W3 = d.W3;

  const double x4 = -t / 2 + d.cover_front_side - W4.diameter[1];
  const double y4 = top + HalfDiameter(W4.diameter[1]);
  DotRow(run, {x4, y4}, W4.diameter[1], W4.pitch[1], W4.pitch_count[1], 0, 1);
  DotRow(run, {x4, y4 + LengthBefore(W4, 2)}, W4.diameter[2], W4.pitch[2],
         PlusOne(W4.pitch_count[2]), 0, 1);

  const double x3 = t / 2 - d.cover_back_side + HalfDiameter(W3.diameter[1]);
  const double y3 = top + HalfDiameter(W3.diameter[1]);
  DotRow(run, {x3, y3}, W3.diameter[1], W3.pitch[1], W3.pitch_count[1], 0, 1);
  DotRow(run, {x3, y3 + LengthBefore(W3, 2)}, W3.diameter[2], W3.pitch[2],
         PlusOne(W3.pitch_count[2]), 0, 1);
}

// The footing's longitudinal bars, F3 a diameter above the top bars and F4 a
// diameter below the bottom bars, both counted from the toe end. The end
// segments of F3 lie outside the section's ties and are left out.
void DrawFootingBarDots(RunState& run) {
  const DesignData& d = run.design;
  const double toe_end = -d.wall_thickness / 2 - d.toe_width + d.cover_wall_back;
  const BarArrangement& F3 = d.F3;
  const BarArrangement& F4 = d.F4;

  const double y3 = d.footing_thickness - d.cover_footing_top + F3.diameter[1];
  for (int i = 2; i <= 4; ++i) {
    DotRow(run, {toe_end + LengthBefore(F3, i) + F3.pitch[i], y3}, F3.diameter[i], F3.pitch[i],
           F3.pitch_count[i], 1, 0);
  }

  const double y4 = d.cover_footing_bottom - F4.diameter[1];
  DotRow(run, {toe_end, y4}, F4.diameter[1], F4.pitch[1], PlusOne(F4.pitch_count[1]), 1, 0);
  for (int i = 2; i <= 4; ++i) {
    DotRow(run, {toe_end + LengthBefore(F4, i) + F4.pitch[i], y4}, F4.diameter[i], F4.pitch[i],
           F4.pitch_count[i], 1, 0);
  }
  DotRow(run, {toe_end + LengthBefore(F4, 5) + F4.pitch[5], y4}, F4.diameter[5], F4.pitch[5],
         PlusOne(F4.pitch_count[5]), 1, 0);
}

// Every other W3 bar gets a tie across the wall, seen alternately in front
// of and behind the section plane. The heights follow the W4 pitches.
void DrawS1Ties(RunState& run) {
  const DesignData& d = run.design;
  const double t = d.wall_thickness;
  const std::int64_t P = d.W3.pitch_count[1];
  const std::int64_t Q = d.W3.pitch_count[2];
  const double y0 = d.footing_thickness - d.cover_footing_top;
  std::int64_t line = 1;
  for (std::int64_t k = 2; k <= P + Q - 2; k += 2, ++line) {
    const double y = k < P ? y0 + static_cast<double>(k) * d.W4.pitch[1]
                           : y0 + static_cast<double>(P) * d.W4.pitch[1] +
                                 static_cast<double>(k - P) * d.W4.pitch[2];
    SetOrigin(run, kSectionViewOrigin);
    const Point front{-t / 2 + d.cover_wall_front, y};
    const Point back{t / 2 - d.cover_wall_back, y};
    if (line % 2 == 1) {
      DrawPolyline(run, {front, back});
    } else {
      DrawHiddenPolyline(run, {front, back});
    }
  }
}

// The tick chain up the wall centre and the "S1" bubble above the crown.
void DrawS1Callout(RunState& run) {
  DesignData& d = run.design;
  const std::int64_t P = d.W3.pitch_count[1];
  const std::int64_t Q = d.W3.pitch_count[2];
  const double y0 = d.footing_thickness - d.cover_footing_top;
  const double p = 2 * d.W3.pitch[1];
  SelectLayer(run, "D-STR-DIM");
  if (const std::optional<std::int64_t> count = S1ChainCount(P, Q)) {
    DrawTickChainVertical(run, {-20, y0 + p}, 0, p, *count, +1);
    // The last tie of an odd first segment sits at the first bar of the second.
    if (Q == 3 && P % 2 != 0) {
      DrawTickChainVertical(run, {-20, run.chain_end.y}, 0, d.W3.pitch[1] + d.W3.pitch[2], 1, +1);
    }
  }
  const double above = d.footing_thickness + d.wall_height + 1000;
  DrawPolyline(run, {{-20, run.chain_end.y}, {-20, above}, {-1500, above}});
  d.s1_diameter = kTieDiameter;
  SelectLayer(run, "D-STR-HTXT");
  DrawBarMarkBubble(run, {-1500, above}, 200, 125, 0, "S1", DiameterText(kTieDiameter));
}

// The S1 tie spans the wall between the vertical bars and laps the
// horizontal ones; its length is rounded to whole centimetres with room
// for its two hooks.
void FillS1Row(RunState& run) {
  const DesignData& d = run.design;
  BarScheduleRow& row = run.schedule[kRowS1];
  row.mark = "S1";
  row.shape_code = "6";
  row.diameter_text = DiameterText(kTieDiameter);
  row.unit_mass = UnitMass(kTieDiameter);
  const double vertical_bars =
      std::floor((static_cast<double>(d.W1.diameter[1]) + d.W2.diameter[1]) / 2.0);
  row.l2 = std::ceil((d.wall_thickness - d.cover_wall_front - d.cover_wall_back) + vertical_bars +
                     d.W3.diameter[1] + d.W4.diameter[1] + kTieDiameter);
  row.length = std::floor((row.l2 + 200) / 10) * 10 + 10;
  row.l1 = std::ceil((row.length - row.l2) / 2);
}

// One S2 tie for every two F3 bars of the middle segments (a real floor,
// for damaged negative counts too).
std::int64_t S2TieCount(const DesignData& d) {
  const std::int64_t bars = static_cast<std::int64_t>(d.F3.pitch_count[2]) + d.F3.pitch_count[3];
  return static_cast<std::int64_t>(std::floor(static_cast<double>(bars) / 2.0));
}

// S2 ties stand through the footing at every other F3 bar of the middle
// segments, counted from the heel end, alternately behind and in front of
// the section plane. Returns the two leftmost positions (zero where there is
// no tie) for the tick chain.
std::array<double, 2> DrawS2Ties(RunState& run) {
  const DesignData& d = run.design;
  SelectLayer(run, "D-STR-STR1");
  const int N = d.F3.EffectiveSegmentCount();
  const double pitch = N == 0 ? 0.0 : d.F3.pitch[N];
  const std::int64_t m = S2TieCount(d);
  const double heel_end = d.wall_thickness / 2 + d.heel_width - d.cover_back_side;
  const double top = d.footing_thickness - d.cover_footing_top;
  std::array<double, 2> leftmost{0.0, 0.0};
  for (std::int64_t k = 1; k <= m; ++k) {
    const double x = heel_end - static_cast<double>(2 * k - 1) * pitch;
    SetOrigin(run, kSectionViewOrigin);
    if (k % 2 == 1) {
      DrawHiddenPolyline(run, {{x, top}, {x, d.cover_footing_bottom}});
    } else {
      DrawPolyline(run, {{x, top}, {x, d.cover_footing_bottom}});
    }
    if (m - k < 2) leftmost[static_cast<std::size_t>(m - k)] = x;
  }
  return leftmost;
}

// The tick chain across the ties at mid footing and the "S2" bubble above it.
void DrawS2Callout(RunState& run, const std::array<double, 2>& leftmost) {
  DesignData& d = run.design;
  const std::int64_t m = S2TieCount(d);
  SelectLayer(run, "D-STR-DIM");
  DrawTickChainHorizontal(run, {leftmost[0], d.footing_thickness / 2}, 500,
                          leftmost[1] - leftmost[0], m, +1);
  const Point end = run.chain_end;
  DrawPolyline(run, {end, {end.x, end.y + 1000}, {end.x + 1500, end.y + 1000}});
  d.s2_diameter = kTieDiameter;
  SelectLayer(run, "D-STR-HTXT");
  DrawBarMarkBubble(run, {end.x, end.y + 1000}, 200, 125, 0, "S2", DiameterText(kTieDiameter));
}

// The wall covers across the wall high up, the footing covers through the
// footing near the heel. The labels print the design covers; the footing
// ones are left to the DXF file, the script gets no command for them.
void DrawCoverDimensions(RunState& run) {
  const DesignData& d = run.design;
  const double t = d.wall_thickness;
  const double cwf = d.cover_wall_front, cwb = d.cover_wall_back;
  const double cft = d.cover_footing_top, cfb = d.cover_footing_bottom;
  const double H = d.footing_thickness;
  const double yc = H + d.wall_height - d.cover_wall_top - 2.5 * d.W3.pitch[1];
  const double xc = t / 2 + d.heel_width - d.cover_back_side - 2.5 * d.F3.pitch[2];
  SelectLayer(run, "D-STR-DIM");
  const Point origin = run.context.origin;

  const Point front_line{-t / 2, yc + 10};
  run.script.ScriptDimLinearH({-t / 2, yc}, {-t / 2 + cwf, yc}, front_line, origin);
  const std::string front_label = LengthLabel(cwf);
  DrawDimensionHorizontal(run, {-t / 2, yc}, {-t / 2 + cwf, yc}, front_line,
                          {-t / 2 - LabelHalfLength(front_label), front_line.y + 20}, kLabelHeight,
                          front_label);

  const Point back_line{t / 2, yc + 10};
  run.script.ScriptDimLinearH({t / 2, yc}, {t / 2 - cwb, yc}, back_line, origin);
  DrawDimensionHorizontal(run, {t / 2, yc}, {t / 2 - cwb, yc}, back_line, {t / 2, back_line.y + 20},
                          kLabelHeight, LengthLabel(cwb));

  DrawDimensionVertical(run, {xc, H}, {xc, H - cft}, {xc - 10, H}, {xc - 10 - 20, H}, kLabelHeight,
                        LengthLabel(cft));

  const std::string bottom_label = LengthLabel(cfb);
  DrawDimensionVertical(run, {xc, cfb}, {xc, 0}, {xc - 10, cfb},
                        {xc - 10 - 20, cfb / 2 - LabelHalfLength(bottom_label)}, kLabelHeight,
                        bottom_label);
}

}  // namespace

std::optional<std::int64_t> S1ChainCount(std::int64_t P, std::int64_t Q) {
  const bool even = P % 2 == 0;
  switch (Q) {
    case 0:
      return even ? (P - 4) / 2 + 1 : (P - 5) / 2 + 1;
    case 1:
      return even ? (P - 4) / 2 + 1 : (P - 3) / 2 + 1;
    case 2:
    case 3:
      return even ? (P - 2) / 2 + 1 : (P - 3) / 2 + 1;
    default:
      return std::nullopt;
  }
}

void DrawSectionDetails(RunState& run) {
  DrawWallBarDots(run);
  DrawFootingBarDots(run);
  SetOrigin(run, kSectionViewOrigin);
  SelectLayer(run, "D-STR-STR1");
  DrawS1Ties(run);
  DrawS1Callout(run);
  FillS1Row(run);
  const std::array<double, 2> leftmost = DrawS2Ties(run);
  DrawS2Callout(run, leftmost);
  DrawCoverDimensions(run);
}

}  // namespace lwall
