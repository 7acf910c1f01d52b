// Runs the built program on the bundled example, as a user would, and checks
// the outline of the whole sheet.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <map>
#include <string>

#include "support/program_run.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::ParseFileEntities;
using testing::SplitLines;

// Expected counts for the example, worked out from its design: 31 bar dots
// (22 of D13 filled by 13 circles, 9 of D16 by 16), 24 bar-mark bubbles, 57
// dimensions (11 in the section, 14 on the wall face, 15 on the footing
// plan, 17 in the shape legend), 17 leaders.
struct ExpectedCount {
  const char* key;
  int count;
};

// DXF entities by "TYPE layer".
constexpr ExpectedCount kEntities[] = {
    {"CIRCLE D-STR-HTXT", 24},   // bubbles
    {"CIRCLE D-STR-STR1", 430},  // dot fills: 22 * 13 + 9 * 16
    {"LINE D-BMK", 2},           // wall face centre line, plan reference line
    {"LINE D-MTR-FRAM", 74},     // table frames: 28 + 25 + 21
    {"LINE D-STR", 18},          // outlines: section 10, wall face 4, plan 4
    {"LINE D-STR-DIM", 822},     // dimensions, arrowheads, tick chains, leaders
    {"LINE D-STR-HTXT", 1},      // the footing top behind the wall
    {"LINE D-STR-STR1", 149},    // bars, ties, legend and remarks sketches
    {"LINE D-TTL-FRAM", 4},      // sheet frame
    {"TEXT D-MTR-MTXT", 180},    // table values; every row has an L3 cell
    {"TEXT D-MTR-TXT", 62},      // table titles, headers, labels, units
    {"TEXT D-STR-DIM", 77},      // dimension labels and legend titles
    {"TEXT D-STR-HTXT", 56},     // bubble texts and eight view titles and labels
};

// Script commands by their first word.
constexpr ExpectedCount kCommands[] = {
    {"CIRCLE", 24}, {"PLINE", 797},  {"dimlinear", 57},
    {"donut", 31},  {"qleader", 17}, {"text", 237},
};

std::map<std::string, int> Expected(const auto& table) {
  std::map<std::string, int> counts;
  for (const ExpectedCount& c : table) counts[c.key] = c.count;
  return counts;
}

bool AllLinesEndInCrLf(const std::string& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
    if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return false;
  }
  return bytes.ends_with("\r\n");
}

// Looks at the single-byte characters only: the trail byte of a Shift-JIS
// character may be an ASCII letter.
bool HasNonFiniteNumber(const std::string& bytes) {
  std::string single_bytes;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
      ++i;
      single_bytes += ' ';
    } else {
      single_bytes += bytes[i];
    }
  }
  for (const char* word : {"nan", "NAN", "inf", "INF"}) {
    if (single_bytes.find(word) != std::string::npos) return true;
  }
  return false;
}

TEST(ExampleRun, WritesTheWholeSheetWellFormed) {
  testing::TempDir dir;
  dir.CopyExample();
  const testing::ProgramResult result = testing::RunProgramIn(dir);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, "");
  const std::string dxf = dir.Read("Lwall.dxf");
  const std::string script = dir.Read("tempoL.scr");

  EXPECT_TRUE(dxf.starts_with("0\r\nSECTION\r\n2\r\nTABLES\r\n0\r\nTABLE\r\n2\r\nLTYPE\r\n"));
  EXPECT_TRUE(dxf.ends_with("\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n"));
  EXPECT_TRUE(AllLinesEndInCrLf(dxf));
  EXPECT_TRUE(AllLinesEndInCrLf(script));
  EXPECT_FALSE(HasNonFiniteNumber(dxf));
  EXPECT_FALSE(HasNonFiniteNumber(script));

  std::map<std::string, int> entities;
  for (const auto& e : ParseFileEntities(dxf)) ++entities[e.type + " " + e.Get(8)];
  EXPECT_EQ(entities, Expected(kEntities));

  // Lines that start with a letter begin a command; the others continue one
  // (a dimension's location, a circle's radius, a leader's closing Enter).
  std::map<std::string, int> commands;
  for (const std::string& line : SplitLines(script)) {
    if (line.empty() || !std::isalpha(static_cast<unsigned char>(line[0]))) continue;
    ++commands[line.substr(0, line.find(' '))];
  }
  EXPECT_EQ(commands, Expected(kCommands));
}

}  // namespace
}  // namespace lwall
