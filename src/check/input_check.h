// What "lwall --check" tells about the two input files: whether the tool
// reads what the user meant.
//
// The run validates nothing: a value that does not read stops the reading
// and leaves every later field at 0, a missing layer takes the previous
// layer's colour. The check reads both files with the run's own readers,
// asking them to note where each value came from, draws the sheet in memory
// to learn what this design's sheet uses of them, and turns what it found
// into findings: errors where the sheet will not be what the file says,
// warnings where it is drawn but very likely not as meant. A design the tool
// draws as written gives no findings.
//
// The checker stands above the readers and the drawings it explains, and
// below the driver, which only opens the files and prints the report.
#ifndef LWALL_CHECK_INPUT_CHECK_H_
#define LWALL_CHECK_INPUT_CHECK_H_

#include <string>
#include <string_view>
#include <vector>

#include "check/finding.h"
#include "input/byte_source.h"

namespace lwall {

struct InputCheck {
  // The findings of the design file in file order, then those of the layer
  // file; in each, those about the file as a whole come last.
  std::vector<Finding> findings;
  int errors = 0;
  int warnings = 0;
  // "2 errors, 1 warning", "1 error", "no findings".
  std::string Summary(const FindingTranslator* catalog = nullptr) const;
};

// Reads both inputs with the run's readers (layers first, as a run does) and
// reports what it made of them.
InputCheck CheckInputs(ByteSource& design, ByteSource& layers);
// The same for the two files' texts in memory.
InputCheck CheckInputTexts(std::string_view design_text, std::string_view layer_text);

// Every finding as FormatFinding writes it, each with its line end.
std::string FormatFindings(const InputCheck& check, std::string_view design_name = "tempoL.dat",
                           std::string_view layer_name = "GasouL.dat",
                           const FindingTranslator* catalog = nullptr);

}  // namespace lwall

#endif  // LWALL_CHECK_INPUT_CHECK_H_
