// Expected bytes for the kernel tests: the DXF LINE record and the script
// polyline command as the writers print them (their exact forms are pinned
// by the writer tests), with the coordinates given as printed.
#ifndef LWALL_TESTS_KERNEL_EXPECTED_RECORDS_H_
#define LWALL_TESTS_KERNEL_EXPECTED_RECORDS_H_

#include <initializer_list>
#include <string>
#include <string_view>

#include "input/layer_table.h"
#include "support/test_sheet.h"

namespace lwall::testing {

// Each line followed by CR LF.
inline std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string bytes;
  for (std::string_view line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

// The kernel tests draw on a layer whose colour (5) and thickness (2.5,
// printed "    3") cannot be mistaken for other values of the record.
inline constexpr std::string_view kTestLayer = "K-TEST";

inline void UseTestLayer(RunState& run) {
  run.layers.layers.push_back({5, 1, 2.5, std::string(kTestLayer)});
  SelectLayer(run, kTestLayer);
}

// A LINE on the test layer.
inline std::string Line(std::string_view x1, std::string_view y1, std::string_view x2,
                        std::string_view y2) {
  return CrLf({"LINE", "8",  kTestLayer, "62", "5", "39", "    3", "10", x1,  "20",
               y1,     "30", "0",        "11", x2,  "21", y2,      "31", "0", "0"});
}

}  // namespace lwall::testing

#endif  // LWALL_TESTS_KERNEL_EXPECTED_RECORDS_H_
