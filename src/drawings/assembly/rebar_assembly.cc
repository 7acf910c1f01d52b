// The rebar assembly drawing: the sheet frame, the title, then the assembly
// section and the footing slab plan.
#include "drawings/assembly/rebar_assembly.h"

#include "common/japanese_texts.h"
#include "common/sheet_frame.h"
#include "drawings/assembly/assembly_section.h"
#include "drawings/assembly/footing_plan_bars.h"
#include "drawings/assembly/footing_plan_dimensions.h"
#include "kernel/primitives.h"

namespace lwall {

namespace {

// The frame around the whole sheet; its size is that of the sheet, not of
// the wall.
void DrawSheetFrame(RunState& run) {
  SetOrigin(run, kSheetFrameLowerLeft.x, kSheetFrameLowerLeft.y);
  SelectLayer(run, "D-TTL-FRAM");
  const double w = kSheetFrameWidth;
  const double h = kSheetFrameHeight;
  DrawPolyline(run, {{0, 0}, {0, h}, {w, h}, {w, 0}, {0, 0}});
}

// The title stands 1500 above the wall top, starting 1500 left of the back face.
void DrawAssemblyTitle(RunState& run) {
  const DesignData& d = run.design;
  const double t = d.wall_thickness;
  const double y = d.footing_thickness + d.wall_height + 1500;
  SetOrigin(run, 20000, 31000);
  SelectLayer(run, "D-STR-HTXT");
  DrawAlignedText(run, {t / 2 - 1500, y}, {t / 2 - 1000, y}, 400, 0, ja::kAssemblyTitle, "KANJI");
}

}  // namespace

void DrawRebarAssemblyDrawing(RunState& run) {
  DrawSheetFrame(run);
  DrawAssemblyTitle(run);
  SelectLayer(run, "D-STR-STR1");
  DrawAssemblySection(run);
  DrawFootingPlanOutlineAndDimensions(run);
  DrawFootingPlanBars(run);
}

}  // namespace lwall
