// What "lwall --check" tells about the two input files: whether the tool
// reads what the user meant.
//
// The run validates nothing: a value that does not read stops the reading
// and leaves every later field at 0, a missing layer takes the previous
// layer's colour. The check reads both files with the run's own readers,
// asking them to note where each value came from, and turns what they did
// into findings in the form compilers use ("tempoL.dat:19:4: error: ..."):
// errors where the sheet will not be what the file says, warnings where it
// is drawn but very likely not as meant. A design the tool draws as written
// gives no findings.
#ifndef LWALL_INPUT_INPUT_CHECK_H_
#define LWALL_INPUT_INPUT_CHECK_H_

#include <string>
#include <string_view>
#include <vector>

#include "input/byte_source.h"

namespace lwall {

struct InputCheck {
  std::vector<std::string> findings;  // one finding per entry, no line end
  int errors = 0;
  int warnings = 0;
  std::string Summary() const;  // "2 errors, 1 warning", "1 error", "no findings"
};

// Reads both inputs with the run's readers (layers first, as a run does) and
// reports what it made of them: the findings of the design file in file
// order, then those of the layer file. Findings name the files as given, so
// that an editor finds them from where the user ran the check.
InputCheck CheckInputs(ByteSource& design, ByteSource& layers,
                       std::string_view design_name = "tempoL.dat",
                       std::string_view layer_name = "GasouL.dat");

}  // namespace lwall

#endif  // LWALL_INPUT_INPUT_CHECK_H_
