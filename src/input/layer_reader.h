// Reading "GasouL.dat" into a LayerTable, and noting on request where each
// value came from.
#ifndef LWALL_INPUT_LAYER_READER_H_
#define LWALL_INPUT_LAYER_READER_H_

#include <string_view>

#include "input/byte_source.h"
#include "input/input_trace.h"
#include "input/layer_table.h"

namespace lwall {

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

}  // namespace lwall

#endif  // LWALL_INPUT_LAYER_READER_H_
