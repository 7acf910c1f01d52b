// Reading "GasouL.dat".
#include "input/layer_table.h"

#include "input/scanner.h"

namespace lwall {

namespace {
// The layer file used to be read into a fixed table of this many entries;
// that many are still honoured even when the file holds fewer.
constexpr int kDeclaredEntriesHonoured = 19;
}  // namespace

std::string_view LinetypeName(int code) {
  switch (code) {
    case 1:
      return "CONTINUOUS";
    case 2:
      return "HIDDEN";
    case 3:
      return "CENTER";
    case 4:
      return "PHANTOM";
    case 5:
      return "DOT";
    default:
      return "";
  }
}

LayerTable ReadLayerTable(std::string_view text) {
  LayerTable table;
  Scanner in(text);
  int count = 0;
  if (in.ReadInt(count)) in.SkipSpace();
  for (int i = 1; i <= count; ++i) {
    LayerDef layer;
    const bool got_value = in.ReadInt(layer.colour);
    if (!got_value && i > kDeclaredEntriesHonoured) break;
    if (got_value && in.ReadInt(layer.linetype_code) && in.ReadReal(layer.thickness) &&
        in.ReadWord(layer.name)) {
      in.SkipSpace();
    }
    table.layers.push_back(std::move(layer));
  }
  return table;
}

}  // namespace lwall
