// The patterns the section view and the wall face view repeat: a linear
// dimension labelled with its measured length and a spacing dimension
// labelled count × pitch = length.
#ifndef LWALL_DRAWINGS_ARRANGEMENT_ARRANGEMENT_PATTERNS_H_
#define LWALL_DRAWINGS_ARRANGEMENT_ARRANGEMENT_PATTERNS_H_

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "common/geometry.h"
#include "kernel/bar_callout.h"
#include "kernel/dimensions.h"
#include "kernel/run_state.h"

namespace lwall {

// Where the two views of the arrangement drawing sit on the sheet.
inline constexpr Point kSectionViewOrigin{10000, 42000};
inline constexpr Point kWallFaceViewOrigin{20000, 42000};

// Height of every dimension label and callout text of these views.
inline constexpr double kLabelHeight = kDimensionLabelHeight;

inline void SetOrigin(RunState& run, Point origin) {
  SetOrigin(run, origin.x, origin.y);
}

// "%5.0f" of a length: whole millimetres, at least five characters.
std::string LengthLabel(double length);

// A vertical dimension from a to b, its line at x = line_x from a.y, both in
// the script and in the DXF file, labelled with |a.y - b.y| and centred on
// the middle of the two points, at x = label_x.
void LinearDimensionVertical(RunState& run, Point a, Point b, double line_x, double label_x);
// The horizontal mirror: line at y = line_y from a.x, label at y = label_y.
void LinearDimensionHorizontal(RunState& run, Point a, Point b, double line_y, double label_y);

// The labels of a dimension over `count` pitches of `pitch`: the length alone
// for a single pitch; otherwise "count×pitch" and "=length", joined into one
// label when `joined`, else kept as two.
std::vector<std::string> SpacingLabels(std::int64_t count, double pitch, bool joined);

// Where a spacing label goes, given the label, its index among the labels
// and their number.
using SpacingLabelPlace =
    std::function<Point(std::string_view label, std::size_t index, std::size_t labels)>;

// The DXF side of a spacing dimension from a to b with its line starting at
// `line_start`: one vertical (or horizontal) dimension per label of
// SpacingLabels, each at the place `place` gives it. The caller writes the
// script command, which does not depend on the labels.
void SpacingDimension(RunState& run, bool vertical, Point a, Point b, Point line_start,
                      std::int64_t count, double pitch, bool joined,
                      const SpacingLabelPlace& place);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ARRANGEMENT_ARRANGEMENT_PATTERNS_H_
