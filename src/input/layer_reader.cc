// Reading "GasouL.dat".
#include "input/layer_reader.h"

#include <cstdint>
#include <optional>
#include <string>

#include "common/output_bound.h"
#include "input/scanner.h"

namespace lwall {

namespace {
// Every layer takes its name and ten lines of the DXF layer table, at least
// 36 bytes more. Once the layers read would take more than any output file
// may hold, the table can never be written, and reading on would only fill
// memory with a file that never ends.
constexpr std::uint64_t kLayerEntryBytes = 36;

bool ReadValue(Scanner& in, int& value) {
  return in.ReadInt(value);
}
bool ReadValue(Scanner& in, double& value) {
  return in.ReadReal(value);
}
bool ReadValue(Scanner& in, std::string& value) {
  return in.ReadWord(value);
}
ValueKind KindOf(int) {
  return ValueKind::kInteger;
}
ValueKind KindOf(double) {
  return ValueKind::kReal;
}
ValueKind KindOf(const std::string&) {
  return ValueKind::kWord;
}
double NumberOf(double value) {
  return value;
}
double NumberOf(const std::string&) {
  return 0;
}
}  // namespace

LayerTable ReadLayerTable(ByteSource& source, InputTrace* trace) {
  LayerTable table;
  Scanner in(source);
  std::optional<TraceRecorder> recorder;
  if (trace != nullptr) recorder.emplace(in, *trace);
  // Reads one value ("%d", "%lf" or "%s"), noting it when tracing.
  auto read = [&](auto& value) {
    if (recorder) recorder->BeforeValue(KindOf(value));
    const bool got = ReadValue(in, value);
    if (recorder) got ? recorder->ValueRead(NumberOf(value)) : recorder->ValueMissed();
    return got;
  };

  int count = 0;
  if (recorder) recorder->StartRecord(0, 1);
  if (read(count)) in.SkipSpace();
  std::uint64_t table_bytes = 0;
  for (int i = 1; i <= count && table_bytes <= kMaxOutputBytes; ++i) {
    LayerDef layer;
    if (recorder) recorder->StartRecord(i, 4);
    const bool got_value = read(layer.colour);
    if (!got_value && i > kDeclaredLayersHonoured) {
      if (recorder) recorder->DropRecord();
      break;
    }
    if (got_value && read(layer.linetype_code) && read(layer.thickness) && read(layer.name)) {
      in.SkipSpace();
    }
    table_bytes += kLayerEntryBytes + layer.name.size();
    table.layers.push_back(std::move(layer));
  }
  if (recorder) recorder->Finish();
  return table;
}

LayerTable ReadLayerTable(std::string_view text) {
  StringSource source(text);
  return ReadLayerTable(source);
}

}  // namespace lwall
