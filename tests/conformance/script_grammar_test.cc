// The script checker itself, then the scripts the program writes for every
// bundled design, checked line by line and against their DXF files.
#include "conformance/script_grammar.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "conformance/bundled_designs.h"
#include "kernel/primitives.h"
#include "output/script_writer.h"
#include "support/program_run.h"
#include "support/test_sheet.h"

namespace lwall::testing {
namespace {

std::string Join(const std::vector<std::string>& faults) {
  std::string all;
  for (const std::string& f : faults) all += f + "\n";
  return all;
}

TEST(ScriptGrammar, AcceptsEveryCommandTheWriterMakes) {
  OutputStream out;
  ScriptWriter script(out);
  const Point origin{10000, 42000};
  script.Polyline(std::vector<Point>{{0, 0}, {100, 0}, {-20000.5, 7.2}}, origin);
  script.ScriptLeader({0, 0}, {500, 1000}, origin);
  script.ScriptLeader({0, 0}, {500, 1000}, {1500, 1000}, origin);
  script.Text({-0.4, 0}, 125, 90, "W2", {0, 0});
  script.Text({0, 0}, 125, 0, "4\x81\x7E" "250\\P= 1000", origin);  // "4×250\P= 1000"
  script.Text({0, 0}, 200, 0, "", origin);
  script.Circle({120, 200}, 200, origin);
  script.ScriptDimLinearV({0, 0}, {0, -1000}, {-2200, 0}, origin);
  script.ScriptDimLinearH({0, 0}, {1000, 0}, {0, 2600}, origin);
  script.ScriptDimLinearM({0, 0}, {1000, 0}, "4\x81\x7E" "250 \\P=  1000 ", {0, -2200}, origin);
  script.Donut({-100, 300}, 13, origin);
  script.Polyline(std::vector<Point>{{1e7, -1e7}, {123456789, 0}}, origin);

  const ScriptCheck check = CheckScript(out.contents());
  EXPECT_EQ(Join(check.faults), "");
  const std::map<std::string, int> expected = {
      {"PLINE", 2}, {"qleader", 1}, {"qleader3", 1}, {"text", 3}, {"CIRCLE", 1},
      {"dimlinear V", 1}, {"dimlinear H", 1}, {"dimlinear M", 1}, {"donut", 1}};
  EXPECT_EQ(check.commands, expected);
  ASSERT_EQ(check.segments.size(), 3u);
  EXPECT_EQ(check.segments[1].ends, (std::array<std::string, 4>{"10100", "42000", "-10001", "42007"}));
}

TEST(ScriptGrammar, RejectsEveryLineOfNoCommandForm) {
  const char* const bad_scripts[] = {
      "PLINE 10000,42000 \r\n",                         // a single point
      "PLINE 10000,42000 10100,42000\r\n",              // last point without its blank
      "PLINE 10000,42000  100,42000 \r\n",              // "%5.0lf" pads to five, not six
      "PLINE 10000,42000 100,42000 \r\n",               // nor to three
      "PLINE 10000,42000 10100.5,42000 \r\n",           // not a whole number
      "PLINE 10000,42000 nan,42000 \r\n",               // not a number at all
      "pline 10000,42000 10100,42000 \r\n",             // commands are case-sensitive
      "CIRCLE 10120,42200   200\r\n",                   // no empty line after it
      "CIRCLE 10120,42200   200\r\n\r\n\r\n",           // two empty lines after it
      "qleader 10000,42000 10500,43000 11500,43000\r\n",  // three points, no empty line
      "qleader 10000,42000 10500,43000 11500,43000 \r\n\r\n",  // a blank after the third
      "text 10000,42000 125     0 W2\r\n",              // no blank after the text
      "text 10000,42000 125 0 W2 \r\n",                 // angle not in five columns
      "text 10000,42000 125     0 W\x01 \r\n",          // a control byte
      "text 10000,42000 125     0 \x81 \r\n",           // a lead byte without its trail
      "dimlinear 10000,42000 10000,41000 V  7800,42000\r\n",  // "V " then six columns
      "dimlinear 10000,42000 10000,41000 X 7800,42000 \r\n",  // no such form
      "dimlinear 10000,42000 11000,42000 M 4x250\r\n",  // M form without location line
      "dimlinear 10000,42000 11000,42000 M 4x250\r\n10000,39800\r\n",  // no blank after it
      "donut 0 13.0 9900,42300 \r\n",                   // diameter is "%d"
      "donut 1 13 9900,42300 \r\n",                     // inner diameter is always 0
      "PLINE 10000,42000 10100,42000 \n",               // LF without CR
      "PLINE 10000,42000 10100,42000 ",                 // no line end at all
      "\r\n",                                           // an empty line of its own
  };
  for (const char* script : bad_scripts) {
    EXPECT_FALSE(CheckScript(script).faults.empty()) << script;
  }
}

TEST(ScriptGrammar, KeepsCommandsWithinTheirLengthLimits) {
  OutputStream out;
  ScriptWriter script(out);
  script.Text({0, 0}, 125, 0, std::string(79, 'x'), {10000, 42000});
  EXPECT_EQ(Join(CheckScript(out.contents()).faults), "");
  script.Text({0, 0}, 125, 0, std::string(90, 'x'), {10000, 42000});
  EXPECT_NE(Join(CheckScript(out.contents()).faults).find("longer than 107"), std::string::npos);

  OutputStream points;
  ScriptWriter polyline(points);
  polyline.Polyline(std::vector<Point>(31, Point{1, 1}), {0, 0});
  EXPECT_NE(Join(CheckScript(points.contents()).faults).find("more than 30"), std::string::npos);
}

TEST(ScriptGrammar, FindsPolylineSegmentsWithoutTheirDxfLine) {
  TestSheet sheet;
  RunState& run = sheet.run();
  SetOrigin(run, 10000, 42000);
  SelectLayer(run, "D-STR");
  DrawPolyline(run, {{0, 0}, {100.5, 0}, {100.5, -87.5}});
  DrawArrowLine(run, {0, 0}, {0, 1000});  // LINEs with no script command between them
  DrawPolyline(run, {{5, 5}, {5, 5}});
  const std::string dxf = "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\n" + sheet.dxf() + "ENDSEC\r\n0\r\nEOF\r\n";

  const ScriptCheck check = CheckScript(sheet.script());
  ASSERT_EQ(Join(check.faults), "");
  ASSERT_EQ(check.segments.size(), 3u);
  EXPECT_EQ(Join(CheckSegmentsInDxf(check, dxf)), "");

  // The segment to (10101, 41913) as a LINE of one unit further away.
  std::string moved = dxf;
  moved.replace(moved.find("41913"), 5, "41914");
  EXPECT_NE(Join(CheckSegmentsInDxf(check, moved)).find("(10101,42000)-(10101,41913)"),
            std::string::npos);
  // The segments in the other order.
  ScriptCheck swapped = check;
  std::swap(swapped.segments[0], swapped.segments[1]);
  EXPECT_FALSE(CheckSegmentsInDxf(swapped, dxf).empty());
}

// The script and the DXF file of every bundled design: each script line is a
// command of the script, each polyline has its LINEs, and the two files tell
// the same texts and circles (a "text" per TEXT without a text style, a
// "CIRCLE" per circle, and per "donut" of diameter d the d circles that fill
// it).
class BundledDesignScript : public ::testing::TestWithParam<const char*> {};

TEST_P(BundledDesignScript, IsCommandsOfTheScriptOnly) {
  TempDir dir;
  dir.CopyExample(GetParam());
  const ProgramResult result = RunProgramIn(dir);
  ASSERT_EQ(result.status, 0) << result.output;
  const std::string script = dir.Read("tempoL.scr");
  const std::string dxf = dir.Read("Lwall.dxf");

  const ScriptCheck check = CheckScript(script);
  EXPECT_EQ(Join(check.faults), "");
  EXPECT_EQ(Join(CheckSegmentsInDxf(check, dxf)), "");

  int plain_texts = 0;
  int circles = 0;
  for (const DxfEntity& e : ParseFileEntities(dxf)) {
    if (e.type == "TEXT" && !e.Get(51).empty()) ++plain_texts;  // angle in group 51
    if (e.type == "CIRCLE") ++circles;
  }
  int donut_circles = 0;
  for (const std::string& line : SplitLines(script)) {
    if (line.starts_with("donut 0 ")) donut_circles += std::stoi(line.substr(8));
  }
  const auto count = [&](const char* command) {
    const auto it = check.commands.find(command);
    return it == check.commands.end() ? 0 : it->second;
  };
  EXPECT_EQ(plain_texts, count("text"));
  EXPECT_EQ(circles, count("CIRCLE") + donut_circles);
}

INSTANTIATE_TEST_SUITE_P(Examples, BundledDesignScript, ::testing::ValuesIn(kBundledDesigns));

}  // namespace
}  // namespace lwall::testing
