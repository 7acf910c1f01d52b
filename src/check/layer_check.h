// The findings about "GasouL.dat": what the layer reader made of it, colours
// and linetypes that DXF has no use for, and names that miss the layers the
// sheet draws on.
#ifndef LWALL_CHECK_LAYER_CHECK_H_
#define LWALL_CHECK_LAYER_CHECK_H_

#include "check/finding_list.h"
#include "check/sheet_use.h"
#include "input/input_trace.h"
#include "input/layer_table.h"

namespace lwall {

// `table` and `trace` are what the reader made of the file; `use` tells
// which layers the sheet draws on.
void CheckLayers(const LayerTable& table, const InputTrace& trace, SheetUse& use, FindingList& out);

}  // namespace lwall

#endif  // LWALL_CHECK_LAYER_CHECK_H_
