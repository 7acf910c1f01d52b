// Readers of the script output shared by the assembly drawing tests.
#ifndef LWALL_TESTS_DRAWINGS_ASSEMBLY_ASSEMBLY_TEST_SUPPORT_H_
#define LWALL_TESTS_DRAWINGS_ASSEMBLY_ASSEMBLY_TEST_SUPPORT_H_

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "common/geometry.h"
#include "support/test_sheet.h"

namespace lwall::testing {

// The points of every "PLINE" command of a script, in view coordinates of a
// view at `origin`.
inline std::vector<std::vector<Point>> ScriptPolylines(const std::string& script, Point origin) {
  std::vector<std::vector<Point>> result;
  for (const std::string& line : SplitLines(script)) {
    if (line.rfind("PLINE ", 0) != 0) continue;
    std::istringstream in(line.substr(6));
    std::vector<Point> points;
    std::string token;
    while (in >> token) {
      const std::size_t comma = token.find(',');
      points.push_back({std::atof(token.substr(0, comma).c_str()) - origin.x,
                        std::atof(token.substr(comma + 1).c_str()) - origin.y});
    }
    result.push_back(points);
  }
  return result;
}

// The script lines that start with `prefix`.
inline std::vector<std::string> ScriptLinesStartingWith(const std::string& script,
                                                        const std::string& prefix) {
  std::vector<std::string> result;
  for (const std::string& line : SplitLines(script)) {
    if (line.rfind(prefix, 0) == 0) result.push_back(line);
  }
  return result;
}

}  // namespace lwall::testing

#endif  // LWALL_TESTS_DRAWINGS_ASSEMBLY_ASSEMBLY_TEST_SUPPORT_H_
