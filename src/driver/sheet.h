// One run of lwall: the DXF head and tables, the design data, the two size
// limits, the three drawings and the trailer, in this fixed order, and the
// same run over the files of one directory.
#ifndef LWALL_DRIVER_SHEET_H_
#define LWALL_DRIVER_SHEET_H_

#include <string>
#include <string_view>

#include "driver/messages.h"
#include "input/byte_source.h"
#include "output/output_stream.h"

namespace lwall {

// Exit statuses of the program.
enum ExitStatus {
  kExitOk = 0,
  kExitLimit = 1,  // also: "Lwall.dxf" cannot be created or written
  kExitScript = 2,
  kExitDesignData = 3,  // also: a directory to run in that is not one
  kExitLayers = 4,
  kExitPreview = 5,
  kExitFindings = 1,  // --check reported something
  kExitUsage = 64,    // the command line is not understood
};

// Where a sheet goes: the two specified outputs and, when asked for, the
// picture of the DXF file's entities.
struct SheetOutputs {
  OutputStream& dxf;
  OutputStream& script;
  OutputStream* svg = nullptr;
  // The self-describing DXF form: a header naming the version, code page
  // and extents, an active viewport, and "STANDARD" for empty style names.
  bool portable_dxf = false;
};

// Draws the sheet for the given inputs into the outputs. Returns the exit
// status; a failure leaves its message (with its line end) in `message`:
// a refused wall (the DXF output then holds the tables and the section
// change), an input that fails to read, an output that would grow past its
// bound.
int DrawSheet(ByteSource& design, ByteSource& layers, const SheetOutputs& outputs,
              std::string& message);
// The plain sheet from two texts in memory.
int DrawSheet(std::string_view design_text, std::string_view layer_text, OutputStream& dxf,
              OutputStream& script, std::string& message);

struct RunOptions {
  bool portable_dxf = false;
  bool preview = false;  // also write "Lwall.svg"
};

// The whole program in `directory` ("" for the current one): opens the four
// files there, draws, closes, prints any message through `messages` and
// returns the exit status.
int RunInDirectory(const std::string& directory, const RunOptions& options, MessageOut& messages);

// `lwall --check` in `directory`: reads both inputs, writes nothing, prints
// the findings and their summary; 0 when there are none, 1 when there are.
int CheckDirectory(const std::string& directory, MessageOut& messages);

}  // namespace lwall

#endif  // LWALL_DRIVER_SHEET_H_
