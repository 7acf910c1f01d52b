// The layer definitions of "GasouL.dat": name, colour, linetype and thickness.
#ifndef LWALL_INPUT_LAYER_TABLE_H_
#define LWALL_INPUT_LAYER_TABLE_H_

#include <string>
#include <string_view>
#include <vector>

#include "input/byte_source.h"
#include "input/input_trace.h"

namespace lwall {

struct LayerDef {
  int colour = 0;         // DXF colour number, stamped on lines and circles
  int linetype_code = 0;  // 1 CONTINUOUS, 2 HIDDEN, 3 CENTER, 4 PHANTOM, 5 DOT
  double thickness = 0;   // DXF thickness of every entity drawn on the layer
  std::string name;
};

// The layers in file order. Entries the file declares but does not hold are
// kept with zero values and an empty name: they still appear in the DXF
// layer table.
struct LayerTable {
  std::vector<LayerDef> layers;
};

// Reads the count and then one "colour code thickness name" entry per layer.
// Up to 19 entries are taken as declared, present or not. Past the 19th,
// reading ends at the first entry that yields no value, so a damaged count
// cannot blow up the layer table, nor can an endless file: reading also ends
// once the layers would take more than an output file may hold, the table
// then being one that can never be written. A name is a C string: a NUL byte
// ends it.
// A read error ends the source as its end does (the source's failed() tells).
// With a `trace`, notes where each value came from: record 0 is the count,
// record i the four fields of entry i (colour, linetype code, thickness,
// name).
LayerTable ReadLayerTable(ByteSource& source, InputTrace* trace = nullptr);
LayerTable ReadLayerTable(std::string_view text);

// The layer file used to be read into a fixed table of this many entries;
// that many are still honoured even when the file holds fewer, and entries
// past them are read only while they yield values.
inline constexpr int kDeclaredLayersHonoured = 19;

// The linetype names by code, in the order of the LTYPE table.
std::string_view LinetypeName(int code);  // empty for codes outside 1..5

}  // namespace lwall

#endif  // LWALL_INPUT_LAYER_TABLE_H_
