// The bars seen in the wall faces: centre line and face labels, the rows of
// vertical, horizontal and crown bars, the S1 tie marks and every callout of
// the wall face view. Fills the W3 and W4 rows of the bar schedule and the
// S1 count.
#ifndef LWALL_DRAWINGS_ARRANGEMENT_WALL_FACE_BARS_H_
#define LWALL_DRAWINGS_ARRANGEMENT_WALL_FACE_BARS_H_

#include "kernel/run_state.h"

namespace lwall {

// Draws the bars and callouts of the wall face view, after its outline and
// dimensions; ends with the origin of the view and layer "D-STR-HTXT".
void DrawWallFaceBars(RunState& run);

// Vertical spacing of the S1 marks: the smallest whole number of F1 pitches
// that reaches 500, so that the marks fall on bars; 500 when the pitch is
// not positive or too small to count.
double S1MarkStep(double f1_pitch);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ARRANGEMENT_WALL_FACE_BARS_H_
