// Everything one run of lwall works on: the two outputs, the design data, the
// layers, the drawing context and the values the views hand on to each other.
//
// The driver makes one RunState per sheet and passes it by reference to every
// view; a test makes one over two in-memory streams, draws a view and reads
// the bytes back. Nothing of it lives at namespace scope.
#ifndef LWALL_KERNEL_RUN_STATE_H_
#define LWALL_KERNEL_RUN_STATE_H_

#include <cmath>
#include <string>

#include "common/geometry.h"
#include "input/design_data.h"
#include "input/layer_table.h"
#include "kernel/bar_schedule.h"
#include "kernel/draw_context.h"
#include "output/dxf_writer.h"
#include "output/output_stream.h"
#include "output/script_writer.h"

namespace lwall {

struct RunState {
  RunState(OutputStream& dxf_out, OutputStream& script_out) : dxf(dxf_out), script(script_out) {}

  DxfWriter dxf;
  ScriptWriter script;

  DesignData design;
  LayerTable layers;
  DrawContext context;

  // End point of the last tick chain, in view coordinates; callouts start there.
  Point chain_end;
  // Text style of every dimension label: empty until the footing plan sets
  // "KANJI" after its first dimension.
  std::string dimension_text_style;
  // Gap between a measured point and the start of its extension line.
  double extension_gap = 0;
  double pi = 4.0 * std::atan(1.0);

  // Filled by the views, printed by the tables.
  BarSchedule schedule;
};

// Shorthands over the context.
inline void SetOrigin(RunState& run, double x, double y) {
  run.context.origin = {x, y};
}
inline void SelectLayer(RunState& run, std::string_view name) {
  SelectLayer(run.context, run.layers, name);
}

}  // namespace lwall

#endif  // LWALL_KERNEL_RUN_STATE_H_
