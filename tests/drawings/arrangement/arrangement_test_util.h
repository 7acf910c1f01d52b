// Small readers over the outputs of an arrangement drawing test.
#ifndef LWALL_TESTS_DRAWINGS_ARRANGEMENT_ARRANGEMENT_TEST_UTIL_H_
#define LWALL_TESTS_DRAWINGS_ARRANGEMENT_ARRANGEMENT_TEST_UTIL_H_

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_sheet.h"

namespace lwall::testing {

// How many script lines are exactly `line` (without the line end).
inline long CountScriptLines(const std::string& script, const std::string& line) {
  const std::vector<std::string> lines = SplitLines(script);
  return std::count(lines.begin(), lines.end(), line);
}

// The DXF TEXT records whose text (group 1) is `text`.
inline std::vector<DxfEntity> TextsOf(const std::string& dxf, const std::string& text) {
  std::vector<DxfEntity> found;
  for (const DxfEntity& e : ParseEntities(dxf)) {
    if (e.type == "TEXT" && e.Get(1) == text) found.push_back(e);
  }
  return found;
}

}  // namespace lwall::testing

#endif  // LWALL_TESTS_DRAWINGS_ARRANGEMENT_ARRANGEMENT_TEST_UTIL_H_
