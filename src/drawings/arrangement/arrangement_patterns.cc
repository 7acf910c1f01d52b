// Linear dimensions and spacing dimensions of the arrangement views.
#include "drawings/arrangement/arrangement_patterns.h"

#include <cmath>

#include "common/japanese_texts.h"
#include "common/number_format.h"
#include "kernel/dimensions.h"
#include "kernel/primitives.h"

namespace lwall {

std::string LengthLabel(double length) {
  return FormatWhole(length);
}

void LinearDimensionVertical(RunState& run, Point a, Point b, double line_x, double label_x) {
  const Point line_start{line_x, a.y};
  run.script.ScriptDimLinearV(a, b, line_start, run.context.origin);
  const std::string label = LengthLabel(std::fabs(a.y - b.y));
  const Point label_at{label_x, (a.y + b.y) / 2.0 - LabelHalfLength(label)};
  DrawDimensionVertical(run, a, b, line_start, label_at, kLabelHeight, label);
}

void LinearDimensionHorizontal(RunState& run, Point a, Point b, double line_y, double label_y) {
  const Point line_start{a.x, line_y};
  run.script.ScriptDimLinearH(a, b, line_start, run.context.origin);
  const std::string label = LengthLabel(std::fabs(a.x - b.x));
  const Point label_at{(a.x + b.x) / 2.0 - LabelHalfLength(label), label_y};
  DrawDimensionHorizontal(run, a, b, line_start, label_at, kLabelHeight, label);
}

std::vector<std::string> SpacingLabels(std::int64_t count, double pitch, bool joined) {
  const double length = static_cast<double>(count) * pitch;
  if (count == 1) return {LengthLabel(length)};
  std::string count_pitch = FormatInt(count) + ja::kTimes + FormatFixed(pitch, 3, 0);
  std::string total = "=" + LengthLabel(length);
  if (joined) return {count_pitch + total};
  return {count_pitch, total};
}

void SpacingDimension(RunState& run, bool vertical, Point a, Point b, Point line_start,
                      std::int64_t count, double pitch, bool joined,
                      const SpacingLabelPlace& place) {
  const std::vector<std::string> labels = SpacingLabels(count, pitch, joined);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const Point label_at = place(labels[i], i, labels.size());
    if (vertical) {
      DrawDimensionVertical(run, a, b, line_start, label_at, kLabelHeight, labels[i]);
    } else {
      DrawDimensionHorizontal(run, a, b, line_start, label_at, kLabelHeight, labels[i]);
    }
  }
}

}  // namespace lwall
