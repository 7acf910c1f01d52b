// The TABLES section of "Lwall.dxf": linetypes, layers and text styles.
#ifndef LWALL_OUTPUT_DXF_TABLES_H_
#define LWALL_OUTPUT_DXF_TABLES_H_

#include <span>
#include <string_view>
#include <vector>

#include "input/layer_table.h"
#include "output/dxf_writer.h"

namespace lwall {

// "2", "TABLES" and the fixed linetype table.
void WriteLtypeTable(DxfWriter& dxf);
// The same with the viewport table before the linetypes: the portable form,
// which tells a reader what to show when it opens the file.
void WriteViewportAndLtypeTables(DxfWriter& dxf);
// One layer entry per layer of the table, in file order.
void WriteLayerTable(DxfWriter& dxf, const LayerTable& layers);
// The two text styles, "STANDARD" and "KANJI".
void WriteStyleTable(DxfWriter& dxf);

// The dash lengths (positive) and gaps (negative) of a linetype of the LTYPE
// table; empty for "CONTINUOUS" and for a name the table does not hold.
std::span<const double> LinetypeDashes(std::string_view name);
// The linetype each layer of `layers` is written with in the layer table:
// its code's, or for a code outside 1..5 the previous layer's (a continuous
// line for the first).
std::vector<std::string_view> LayerLinetypes(const LayerTable& layers);

}  // namespace lwall

#endif  // LWALL_OUTPUT_DXF_TABLES_H_
