// One run of lwall: the DXF head and tables, the design data, the two size
// limits, the three drawings and the trailer, in this fixed order, and the
// same run over the files of one directory: the sheet's two files, the
// picture and the schedule's data beside them, and the check of the inputs.
#ifndef LWALL_DRIVER_SHEET_H_
#define LWALL_DRIVER_SHEET_H_

#include <optional>
#include <string>
#include <string_view>

#include "common/catalog.h"
#include "driver/exit_status.h"
#include "driver/messages.h"
#include "driver/run_failure.h"
#include "input/byte_source.h"
#include "output/output_stream.h"

namespace lwall {

// The bar schedule and the materials table as CSV data: the contents of
// Lwall-bars.csv and Lwall-materials.csv; nothing in either when the
// system has no Shift-JIS converter for their texts.
struct ScheduleFiles {
  std::optional<std::string> bars;
  std::optional<std::string> materials;
};

// Where a sheet goes: Lwall.dxf and tempoL.scr, the two files every run
// writes for the CAD programs, and, when asked for, the picture of the DXF
// file's entities and the schedule's data.
struct SheetOutputs {
  OutputStream& dxf;
  OutputStream& script;
  OutputStream* svg = nullptr;
  // The self-describing DXF form: a header naming the version, code page
  // and extents, an active viewport, and "STANDARD" for empty style names.
  bool portable_dxf = false;
  // Filled only when the whole sheet is drawn.
  ScheduleFiles* schedule = nullptr;
};

// Draws the sheet for the given inputs into the outputs; what ended it, if
// anything did: a refused wall (the DXF output then holds the tables and the
// section change), an input that fails to read, an output that would grow
// past its bound. A picture that passes its bound is given up alone: the
// sheet is drawn whole and the picture's failure is returned.
std::optional<RunFailure> DrawSheetInto(ByteSource& design, ByteSource& layers,
                                        const SheetOutputs& outputs);

// The same, returning the exit status; a failure leaves its message (with
// its line end) in `message`.
int DrawSheet(ByteSource& design, ByteSource& layers, const SheetOutputs& outputs,
              std::string& message);
// The plain sheet from two texts in memory.
int DrawSheet(std::string_view design_text, std::string_view layer_text, OutputStream& dxf,
              OutputStream& script, std::string& message);

struct RunOptions {
  bool portable_dxf = false;
  bool preview = false;   // also write "Lwall.svg"
  bool schedule = false;  // also write "Lwall-bars.csv" and "Lwall-materials.csv"
};

// The whole program in `directory` ("" for the current one): opens the four
// files there, draws, closes, prints any message through `messages` and
// returns the exit status.
int RunInDirectory(const std::string& directory, const RunOptions& options, MessageOut& messages);

// `lwall --check` in `directory`: reads both inputs, writes nothing, prints
// the findings and their summary in the language of `texts`; 0 when there
// are none, 1 when there are.
int CheckDirectory(const std::string& directory, const Catalog& texts, MessageOut& messages);

}  // namespace lwall

#endif  // LWALL_DRIVER_SHEET_H_
