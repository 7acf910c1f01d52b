// The TABLES section of "Lwall.dxf": linetypes, layers and text styles.
#ifndef LWALL_OUTPUT_DXF_TABLES_H_
#define LWALL_OUTPUT_DXF_TABLES_H_

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

}  // namespace lwall

#endif  // LWALL_OUTPUT_DXF_TABLES_H_
