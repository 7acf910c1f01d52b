// Test support: a run state drawing into memory, the bundled example inputs,
// and a small reader that splits DXF entity records for checks.
#ifndef LWALL_TESTS_SUPPORT_TEST_SHEET_H_
#define LWALL_TESTS_SUPPORT_TEST_SHEET_H_

#include <string>
#include <utility>
#include <vector>

#include "kernel/run_state.h"
#include "output/output_stream.h"

namespace lwall::testing {

// The texts of examples/standard/tempoL.dat and GasouL.dat.
std::string ExampleDesignText();
std::string ExampleLayerText();
std::string ReadFileText(const std::string& path);

// A run state over two in-memory outputs, with the example's layers and
// (optionally) its design data.
class TestSheet {
 public:
  explicit TestSheet(bool with_example_design = true);
  RunState& run() { return run_; }
  DesignData& design() { return run_.design; }
  const std::string& dxf() const { return dxf_out_.contents(); }
  const std::string& script() const { return script_out_.contents(); }

 private:
  OutputStream dxf_out_;
  OutputStream script_out_;
  RunState run_{dxf_out_, script_out_};
};

// Lines of an output without their CR LF ends.
std::vector<std::string> SplitLines(const std::string& bytes);

// One DXF record: its name and its (group code, value line) pairs.
struct DxfEntity {
  std::string type;
  std::vector<std::pair<int, std::string>> groups;
  // The value of the first group with `code` ("" when absent).
  std::string Get(int code) const;
  // The same, read as a number.
  double Number(int code) const;
};

// Splits entity records written by the DXF writer: "NAME", pairs, "0", ...
// Starts at the first line of `bytes`; for a whole file pass the part after
// the "ENTITIES" line and its "0".
std::vector<DxfEntity> ParseEntities(const std::string& bytes);

// The entity records of a whole "Lwall.dxf" (after "ENTITIES", "0").
std::vector<DxfEntity> ParseFileEntities(const std::string& file_bytes);

}  // namespace lwall::testing

#endif  // LWALL_TESTS_SUPPORT_TEST_SHEET_H_
