// One run of lwall over the texts of its two input files: the DXF head and
// tables, the design data, the two size limits, the three drawings and the
// trailer, in this fixed order.
#ifndef LWALL_DRIVER_SHEET_H_
#define LWALL_DRIVER_SHEET_H_

#include <string>
#include <string_view>

#include "output/output_stream.h"

namespace lwall {

// Exit statuses of the program.
enum ExitStatus {
  kExitOk = 0,
  kExitLimit = 1,  // also: "Lwall.dxf" cannot be created
  kExitScript = 2,
  kExitDesignData = 3,
  kExitLayers = 4,
};

// Draws the sheet for the given design data and layer definitions into the
// two outputs. Returns the exit status; a refused wall leaves its message in
// `message` and the DXF output holding the tables and the section change.
int DrawSheet(std::string_view design_text, std::string_view layer_text, OutputStream& dxf,
              OutputStream& script, std::string& message);

// The whole program in the current directory: opens the four files, draws,
// prints any message to `message_out` and returns the exit status.
int RunInCurrentDirectory(std::FILE* message_out);

}  // namespace lwall

#endif  // LWALL_DRIVER_SHEET_H_
