// Reading "GasouL.dat".
#include "input/layer_table.h"

#include <cstdint>

#include "input/scanner.h"
#include "output/output_stream.h"

namespace lwall {

namespace {
// The layer file used to be read into a fixed table of this many entries;
// that many are still honoured even when the file holds fewer.
constexpr int kDeclaredEntriesHonoured = 19;

// Every layer takes its name and ten lines of the DXF layer table, at least
// 36 bytes more. Once the layers read would take more than any output file
// may hold, the table can never be written, and reading on would only fill
// memory with a file that never ends.
constexpr std::uint64_t kLayerEntryBytes = 36;
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

LayerTable ReadLayerTable(ByteSource& source) {
  LayerTable table;
  Scanner in(source);
  int count = 0;
  if (in.ReadInt(count)) in.SkipSpace();
  std::uint64_t table_bytes = 0;
  for (int i = 1; i <= count && table_bytes <= kMaxOutputBytes; ++i) {
    LayerDef layer;
    const bool got_value = in.ReadInt(layer.colour);
    if (!got_value && i > kDeclaredEntriesHonoured) break;
    if (got_value && in.ReadInt(layer.linetype_code) && in.ReadReal(layer.thickness) &&
        in.ReadWord(layer.name)) {
      in.SkipSpace();
    }
    table_bytes += kLayerEntryBytes + layer.name.size();
    table.layers.push_back(std::move(layer));
  }
  return table;
}

LayerTable ReadLayerTable(std::string_view text) {
  StringSource source(text);
  return ReadLayerTable(source);
}

}  // namespace lwall
