// The rebar assembly drawing, view by view.
#include "drawings/assembly/rebar_assembly.h"

namespace lwall {

void DrawRebarAssemblyDrawing(RunState& run) { (void)run; }

}  // namespace lwall
