// The reinforcement arrangement drawing: the section view, then the wall face view.
#include "drawings/arrangement/reinforcement_arrangement.h"

#include "drawings/arrangement/section_details.h"
#include "drawings/arrangement/section_view.h"
#include "drawings/arrangement/wall_face_bars.h"
#include "drawings/arrangement/wall_face_view.h"

namespace lwall {

void DrawReinforcementArrangement(RunState& run) {
  DrawSectionView(run);
  DrawSectionDetails(run);
  DrawWallFaceView(run);
  DrawWallFaceBars(run);
}

}  // namespace lwall
