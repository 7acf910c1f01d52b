// The layer definitions of "GasouL.dat": name, colour, linetype and thickness.
//
// Plain data: the drawings and the DXF tables read it, so this header knows
// nothing of how it is read (layer_reader.h).
#ifndef LWALL_INPUT_LAYER_TABLE_H_
#define LWALL_INPUT_LAYER_TABLE_H_

#include <string>
#include <string_view>
#include <vector>

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

// The linetype names by code, in the order of the LTYPE table.
std::string_view LinetypeName(int code);  // empty for codes outside 1..5

}  // namespace lwall

#endif  // LWALL_INPUT_LAYER_TABLE_H_
