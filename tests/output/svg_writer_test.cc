// The SVG picture as an XML parser nobody on this project wrote reads it
// (Python's xml.etree, through svg_elements.py beside this file): well-formed
// whatever the layer file holds, and one element per DXF entity in file order,
// placed, turned, dashed and coloured as the entity says.
#include "output/svg_writer.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

#include "common/number_format.h"
#include "drawings/arrangement/reinforcement_arrangement.h"
#include "drawings/assembly/rebar_assembly.h"
#include "output/dxf_tables.h"
#include "platform/platform.h"
#include "support/program_run.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"
#include "tables/schedules.h"

namespace lwall::testing {
namespace {

using testing::Sjis;

struct SvgElement {
  std::string tag, group;                  // group: the class of the group around it
  std::map<std::string, std::string> has;  // attributes, and "text"
};

// Status 0 and the elements in document order; 127: no Python here.
int ParseSvg(const std::string& svg, std::vector<SvgElement>& elements, std::string& report) {
  TempDir dir;
  dir.Write("sheet.svg", svg);
  const int raw = std::system(("/usr/bin/python3 '" LWALL_TESTS_DIR "/output/svg_elements.py' '" +
                               (dir.path() / "sheet.svg").string() + "' > '" +
                               (dir.path() / "out").string() + "' 2>&1")
                                  .c_str());
  std::istringstream lines(report = dir.Read("out"));
  for (std::string line, f; std::getline(lines, line);) {
    std::istringstream fields(line);
    SvgElement& e = elements.emplace_back();
    std::getline(std::getline(fields, e.tag, '\t'), e.group, '\t');
    while (std::getline(fields, f, '\t'))
      e.has[f.substr(0, f.find('='))] = f.substr(f.find('=') + 1);
  }
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Declares `all` (every element) and `drawing` (the lines, circles and texts).
#define PARSE_OR_SKIP(bytes)                                  \
  std::vector<SvgElement> all, drawing;                       \
  std::string report;                                         \
  const int status = ParseSvg(bytes, all, report);            \
  if (status == 127) GTEST_SKIP() << "no Python: " << report; \
  ASSERT_EQ(status, 0) << report;                             \
  for (const SvgElement& e : all)                             \
    if (e.tag == "line" || e.tag == "circle" || e.tag == "text") drawing.push_back(e)

std::string Utf8(std::u8string_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

double Number(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

TEST(SvgWriter, ExampleSheetIsItsDxfEntitiesInOrderPlacedTurnedDashedAndColoured) {
  TestSheet sheet;
  OutputStream out;
  SvgWriter writer(out, sheet.run().layers, platform::ShiftJisToUtf8);
  sheet.run().dxf.AddSink(writer);
  DrawReinforcementArrangement(sheet.run());
  DrawRebarAssemblyDrawing(sheet.run());
  DrawSchedules(sheet.run());
  writer.Finish();
  const std::vector<DxfEntity> dxf = ParseEntities(sheet.dxf());
  PARSE_OR_SKIP(out.contents());
  ASSERT_EQ(drawing.size(), dxf.size());
  EXPECT_EQ(all[0].has["viewBox"], "3600.0 -51900.0 40800.0 28300.0");  // frame and margin
  EXPECT_EQ(all[0].has["width"], "816.0mm");                            // at 1:50
  EXPECT_EQ(all[1].has["fill"], "#ffffff");

  // Dashes on paper at 1:50 in pixels of 1/96 inch: a hidden line at scale
  // 10 has dashes of 60 / 50 mm.
  const std::map<std::string, std::string> dashes{
      {"", ""}, {"HIDDEN", "4.54 2.27"}, {"CENTER", "24.19 4.54 4.54 4.54"}};
  const std::map<std::string, std::array<std::string, 4>> forms{
      {"LINE", {"line", "x1", "y1", "stroke"}},
      {"CIRCLE", {"circle", "cx", "cy", "stroke"}},
      {"TEXT", {"text", "x", "y", "fill"}}};
  int groups = 0, runs = 0, titles = 0, turned = 0, dashed = 0;
  std::set<std::string> colours;
  for (const SvgElement& e : all) groups += e.tag == "g" && e.has.count("class");
  for (std::size_t i = 0; i < dxf.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "entity " << i);
    const auto& [tag, x, y, paint] = forms.at(dxf[i].type);
    auto& has = drawing[i].has;
    ASSERT_EQ(drawing[i].tag, tag);
    runs += i == 0 || dxf[i].Get(8) != dxf[i - 1].Get(8);
    EXPECT_EQ(drawing[i].group, dxf[i].Get(8));
    EXPECT_NEAR(Number(has[x]), dxf[i].Number(10), 0.5);
    EXPECT_NEAR(Number(has[y]), -dxf[i].Number(20), 0.5);
    EXPECT_NEAR(Number(has["r"]), tag == "circle" ? dxf[i].Number(40) : 0, 0.5);
    EXPECT_EQ(has["vector-effect"], tag == "text" ? "" : "non-scaling-stroke");
    colours.insert(has[paint]);
    if (tag == "line") {
      EXPECT_NEAR(Number(has["x2"]), dxf[i].Number(11), 0.5);
      EXPECT_NEAR(Number(has["y2"]), -dxf[i].Number(21), 0.5);
      EXPECT_EQ(has["stroke-dasharray"], dashes.at(dxf[i].Get(6)));
      dashed += !dxf[i].Get(6).empty();
      // A line without length is a dot, as a CAD program shows it.
      EXPECT_EQ(has["stroke-linecap"], has[x] == has["x2"] && has[y] == has["y2"] ? "round" : "");
    }
    if (tag != "text") continue;
    // Capitals as high as the DXF text height: the em is that over 0.7.
    EXPECT_EQ(has["font-size"], FormatFixed(dxf[i].Number(40) / 0.7, 0, 1));
    EXPECT_EQ(has["space"], "preserve");  // leading and full-width blanks kept
    const double angle = dxf[i].Number(dxf[i].Get(50).empty() ? 51 : 50);
    turned += angle != 0;
    const std::string rotate = "rotate(" + FormatFixed(-angle, 0, 0) + " " + has[x] + " " + has[y];
    EXPECT_EQ(has["transform"], angle == 0 ? "" : rotate + ")");
    if (dxf[i].Get(1) == Sjis("断　面　図　S=1;50")) {
      ++titles;
      EXPECT_EQ(has["text"], Utf8(u8"断　面　図　S=1;50"));
      EXPECT_EQ(has[x] + " " + has[y], "8150.0 -46900.0");
    }
  }
  EXPECT_EQ(groups, runs);
  // Red, yellow darkened, green, magenta; 7 (white on a CAD screen) and the
  // texts' 0 black.
  EXPECT_EQ(colours,
            (std::set<std::string>{"#ff0000", "#9e9e00", "#00ee00", "#ff00ff", "#000000"}));
  EXPECT_EQ(titles, 1);
  EXPECT_GT(turned, 30);
  EXPECT_GT(dashed, 0);
}

// A line without a linetype of its own takes its layer's, with the dashes of
// the DXF tables written for the same layers.
TEST(SvgWriter, LayerLinetypesAndDashesAgreeWithTheDxfTables) {
  LayerTable layers;
  const std::pair<const char*, int> defs[] = {{"H", 2}, {"AFTER-H", 0}, {"C", 3},       {"P", 4},
                                              {"D", 5}, {"S", 1},       {"AFTER-S", 9}, {"P", 1}};
  for (auto [name, code] : defs) layers.layers.push_back({7, code, 0, name});
  OutputStream tables, out;
  DxfWriter dxf(tables);
  WriteLtypeTable(dxf);
  WriteLayerTable(dxf, layers);
  std::map<std::string, std::vector<long>> patterns;  // whole units, as the table prints them
  std::map<std::string, std::string> linetype_of;
  for (const DxfEntity& r :
       ParseEntities(tables.contents().substr(tables.contents().find("TABLE\r")))) {
    for (const auto& [code, value] : r.groups) {
      if (r.type == "LTYPE" && code == 49)
        patterns[r.Get(2)].push_back(std::labs(std::stol(value)));
    }
    if (r.type == "LAYER") linetype_of.emplace(r.Get(2), r.Get(6));  // the first of a name
  }
  ASSERT_EQ(linetype_of["AFTER-H"], "HIDDEN");
  SvgWriter writer(out, layers, platform::ShiftJisToUtf8);
  for (const LayerDef& layer : layers.layers) writer.OnLine({layer.name, 0, 7, "", 1, {}, {1, 1}});
  writer.OnLine({"NOWHERE", 0, 7, "", 1, {}, {1, 1}});
  writer.Finish();
  PARSE_OR_SKIP(out.contents());
  ASSERT_EQ(drawing.size(), layers.layers.size() + 1);
  for (SvgElement& line : drawing) {
    SCOPED_TRACE(line.group);
    std::istringstream dashes(line.has["stroke-dasharray"]);
    std::vector<long> units;  // pixels of 1/96 inch on paper at 1:50 back to drawing units
    for (double px; dashes >> px;) units.push_back(std::lround(px * 25.4 / 96 * 50));
    EXPECT_EQ(units, patterns[linetype_of[line.group]]);
  }
}

TEST(SvgWriter, HostileLayerNamesAndTextsGiveWellFormedXml) {
  // Layer name and its class; text written and the text read back.
  const std::array<std::string, 4> cases[] = {
      {"A&B <C> \"D\" 'E'", "A_B__C___D___E_", "  lead&<>\"'", "  lead&<>\"'"},
      {"2F", "_2F", Sjis("全角　空白"), Utf8(u8"全角　空白")},
      {"-x", "_-x", std::string("\0\x1b\x7f|", 4), Utf8(u8"\uFFFD\uFFFD\uFFFD|")},
      {"", "_", "x\ny]]>", Utf8(u8"x\uFFFDy]]>")},
      {Sjis("鉄　筋") + "\x81", Utf8(u8"鉄_筋_"), "\x82", Utf8(u8"\uFFFD")},
      {"]]>\x01\t", "_____", "", ""}};
  LayerTable layers;
  OutputStream out, empty;
  SvgWriter writer(out, layers, platform::ShiftJisToUtf8);
  for (const auto& c : cases) {
    writer.OnText({c[0], 0, 0, 125, c[2], 1, 0, false, {}, {}, ""});
    writer.OnCircle({c[0], 0, -5, {}, 1});
  }
  writer.Finish();
  SvgWriter(empty, layers, platform::ShiftJisToUtf8)
      .Finish();  // a sheet refused before its first entity
  PARSE_OR_SKIP(out.contents());
  ASSERT_EQ(drawing.size(), 2 * std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(drawing[2 * i].group, cases[i][1]);
    EXPECT_EQ(drawing[2 * i].has["text"], cases[i][3]);
    EXPECT_EQ(drawing[2 * i + 1].has["stroke"], "#000000");  // outside the colour index
  }
  EXPECT_EQ(ParseSvg(empty.contents(), all, report), 0) << report;
}

}  // namespace
}  // namespace lwall::testing
