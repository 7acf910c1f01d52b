// The wall face view's outline and dimensions, in drawing order.
#include "drawings/arrangement/wall_face_view.h"

#include <cmath>

#include "common/japanese_texts.h"
#include "common/number_format.h"
#include "drawings/arrangement/arrangement_patterns.h"
#include "kernel/dimensions.h"
#include "kernel/primitives.h"

namespace lwall {

namespace {

void DrawWallFaceOutline(RunState& run) {
  const DesignData& d = run.design;
  const double L = d.view_length_left, R = d.view_length_right;
  const double top = d.footing_thickness + d.wall_height;
  SelectLayer(run, "D-STR");
  SetOrigin(run, kWallFaceViewOrigin);
  DrawPolyline(run, {{-L, 0}, {R, 0}, {R, top}, {-L, top}, {-L, 0}});
}

// A cover or overall dimension up a face, labelled with its measured length
// at x = line_x - 50 and y = base_y less n·125/divisor for a label of n bytes.
void FaceDimension(RunState& run, Point a, Point b, double line_x, double base_y, double divisor) {
  const Point line_start{line_x, a.y};
  run.script.ScriptDimLinearV(a, b, line_start, run.context.origin);
  const std::string label = LengthLabel(std::fabs(a.y - b.y));
  const double shift = static_cast<double>(label.size()) * kLabelHeight / divisor;
  DrawDimensionVertical(run, a, b, line_start, {line_x - 50, base_y - shift}, kLabelHeight, label);
}

// One height chain: overall height on the outer line; bottom cover, the
// footing between its bar levels, the bar's two pitch segments and the top
// cover on the inner line. `overall_down` runs the overall dimension from
// the top as the front face does.
void DrawFaceHeightChain(RunState& run, const BarArrangement& bar, double measured_x,
                         double overall_line_x, double chain_line_x, bool overall_down) {
  const DesignData& d = run.design;
  const double H = d.footing_thickness, Hw = d.wall_height;
  const double cfb = d.cover_footing_bottom, cft = d.cover_footing_top;
  auto at = [measured_x](double y) { return Point{measured_x, y}; };
  const double mid_height = (H + Hw) / 2;

  if (overall_down) {
    FaceDimension(run, at(H + Hw), at(0), overall_line_x, mid_height, 2);
  } else {
    FaceDimension(run, at(0), at(H + Hw), overall_line_x, mid_height, 2);
  }
  FaceDimension(run, at(0), at(cfb), chain_line_x, cfb, 2);
  FaceDimension(run, at(cfb), at(H - cft), chain_line_x, (cfb + H - cft) / 2, 4);

  const double y1 = H - cft;
  const double y2 = y1 + bar.pitch_count[1] * bar.pitch[1];
  const double y3 = y2 + bar.pitch_count[2] * bar.pitch[2];
  const Point origin = run.context.origin;

  run.script.ScriptDimLinearV(at(y1), at(y2), {chain_line_x, y1}, origin);
  SpacingDimension(run, true, at(y1), at(y2), {chain_line_x, y1}, bar.pitch_count[1], bar.pitch[1],
                   true, [&](std::string_view label, std::size_t, std::size_t) {
                     return Point{chain_line_x - 50, (y1 + y2) / 2 - LabelHalfLength(label)};
                   });

  // Both parts of a split label stand where a five-character label would,
  // the count and pitch 150 left of the length.
  run.script.ScriptDimLinearV(at(y2), at(y3), {chain_line_x, y2}, origin);
  SpacingDimension(run, true, at(y2), at(y3), {chain_line_x, y2}, bar.pitch_count[2], bar.pitch[2],
                   false, [&](std::string_view, std::size_t index, std::size_t labels) {
                     const double x =
                         labels == 2 && index == 0 ? chain_line_x - 200 : chain_line_x - 50;
                     return Point{x, (y2 + y3) / 2 - 312.5};
                   });

  FaceDimension(run, at(y3), at(y3 + d.cover_wall_top), chain_line_x, y3 + d.cover_wall_top, 4);
}

// The spacing of a face's vertical bars along the bottom, from the centre
// line outwards (`direction` -1 for the front face to the left).
void DrawBottomSpacing(RunState& run, const BarArrangement& bar, int direction) {
  const std::int64_t count = bar.pitch_count[1];
  const double pitch = bar.pitch[1];
  const double length = static_cast<double>(count) * pitch;
  const Point a{0, -200};
  const Point b{direction * length, -200};
  const Point line_start{0, -2200};
  run.script.ScriptDimLinearM(
      a, b, FormatInt(count) + ja::kTimes + FormatFixed(pitch, 3, 0) + "\\P=" + LengthLabel(length),
      line_start, run.context.origin);
  SpacingDimension(run, false, a, b, line_start, count, pitch, false,
                   [&](std::string_view label, std::size_t index, std::size_t labels) {
                     const double y = labels == 2 && index == 0 ? -1950 : -2150;
                     return Point{(a.x + b.x) / 2 - LabelHalfLength(label), y};
                   });
}

}  // namespace

void DrawWallFaceView(RunState& run) {
  const DesignData& d = run.design;
  const double L = d.view_length_left, R = d.view_length_right;
  DrawWallFaceOutline(run);
  SelectLayer(run, "D-STR-DIM");
  DrawFaceHeightChain(run, d.W4, -L - 200, -L - 2700, -L - 2200, true);
  DrawFaceHeightChain(run, d.W3, R + 200, R + 3200, R + 2200, false);
  DrawBottomSpacing(run, d.W2, -1);
  DrawBottomSpacing(run, d.W1, +1);
}

}  // namespace lwall
