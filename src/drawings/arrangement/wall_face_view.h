// The wall face view: the wall seen from the side, front face left of the
// centre line and back face right, with its height chains up both sides and
// the spacing of the vertical bars along the bottom.
#ifndef LWALL_DRAWINGS_ARRANGEMENT_WALL_FACE_VIEW_H_
#define LWALL_DRAWINGS_ARRANGEMENT_WALL_FACE_VIEW_H_

#include "kernel/run_state.h"

namespace lwall {

// Draws the outline and the dimensions of the wall face view.
void DrawWallFaceView(RunState& run);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ARRANGEMENT_WALL_FACE_VIEW_H_
