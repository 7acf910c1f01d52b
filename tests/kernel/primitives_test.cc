// The composite primitives: what each puts into the script and the DXF file,
// at which sheet position and with which layer, colour and thickness.
#include "kernel/primitives.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "kernel/draw_context.h"
#include "kernel/expected_records.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::CrLf;
using testing::Line;
using testing::ParseEntities;
using testing::TestSheet;
using testing::UseTestLayer;

TEST(DrawPolylineTest, TwoPointsGiveOneCommandAndOneLine) {
  TestSheet sheet;
  SetOrigin(sheet.run(), 10000, 42000);
  UseTestLayer(sheet.run());
  DrawPolyline(sheet.run(), {{0, 0}, {100, 0}});
  EXPECT_EQ(sheet.script(), "PLINE 10000,42000 10100,42000 \r\n");
  EXPECT_EQ(sheet.dxf(), Line("10000", "42000", "10100", "42000"));
}

TEST(DrawPolylineTest, HiddenAndCentreFormsWriteOneLinetypedLinePerSegment) {
  TestSheet sheet;
  SetOrigin(sheet.run(), 20000, 31000);
  UseTestLayer(sheet.run());
  DrawHiddenPolyline(sheet.run(), {{0, 0}, {100, 0}, {100, 100}});
  DrawCenterPolyline(sheet.run(), {{0, 0}, {0, -500}});
  EXPECT_EQ(sheet.script(),
            "PLINE 20000,31000 20100,31000 20100,31100 \r\n"
            "PLINE 20000,31000 20000,30500 \r\n");
  const auto e = ParseEntities(sheet.dxf());
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[0].Get(6), "HIDDEN");
  EXPECT_EQ(e[1].Get(6), "HIDDEN");
  EXPECT_EQ(e[1].Get(10), "20100");
  EXPECT_EQ(e[1].Get(21), "31100");
  EXPECT_EQ(e[2].Get(6), "CENTER");
  EXPECT_EQ(e[2].Get(21), "30500");
  EXPECT_EQ(e[2].Get(62), "5");
}

// The leader arrowhead: 150 long, 15 degrees each side, at the first point.
// The barb with "+ s cos t" in y comes first.
TEST(DrawArrowLineTest, TwoPointFormBarbsAlongBothAxes) {
  TestSheet sheet;
  SetOrigin(sheet.run(), 10000, 42000);
  UseTestLayer(sheet.run());
  DrawArrowLine(sheet.run(), {0, 0}, {0, 1000});  // t = 90
  DrawArrowLine(sheet.run(), {0, 0}, {1000, 0});  // t = 0
  EXPECT_EQ(
      sheet.dxf(),
      Line("10000", "42000", "10000", "43000") + Line("10000", "42000", " 9960", "42150") +
          Line("10000", "42000", "10040", "42150") + Line("10000", "42000", "11000", "42000") +
          Line("10000", "42000", "10150", "42040") + Line("10000", "42000", "10150", "41960"));
  EXPECT_EQ(sheet.script(), "");
}

// The two-point form keeps the direction angle in [0, 180) and handles the
// axis directions itself; the three-point form takes the plain arc tangent,
// so its arrowhead can point away from the leader.
TEST(DrawArrowLineTest, TwoAndThreePointFormsFollowDifferentAngleRules) {
  TestSheet sheet;
  UseTestLayer(sheet.run());
  DrawArrowLine(sheet.run(), {0, 0}, {-1000, 1000});                 // t = 135
  DrawArrowLine(sheet.run(), {0, 0}, {-1000, 1000}, {-1500, 1000});  // t = -45
  DrawArrowLine(sheet.run(), {0, 0}, {-1000, 0});                    // t = 180
  DrawArrowLine(sheet.run(), {0, 0}, {-1000, 0}, {-1000, 500});      // t = 0
  DrawArrowLine(sheet.run(), {0, 0}, {0, -1000}, {500, -1000});      // t = 270
  EXPECT_EQ(
      sheet.dxf(),
      Line("    0", "    0", "-1000", " 1000") + Line("    0", "    0", " -134", "   78") +
          Line("    0", "    0", "  -78", "  134") +
          // three-point, t = -45
          Line("    0", "    0", "-1000", " 1000") + Line("-1000", " 1000", "-1500", " 1000") +
          Line("    0", "    0", "  134", "  -78") + Line("    0", "    0", "   78", " -134") +
          // two-point, t = 180
          Line("    0", "    0", "-1000", "    0") + Line("    0", "    0", " -150", "  -40") +
          Line("    0", "    0", " -150", "   40") +
          // three-point, t = 0, pointing away from the leader
          Line("    0", "    0", "-1000", "    0") + Line("-1000", "    0", "-1000", "  500") +
          Line("    0", "    0", "  150", "   40") + Line("    0", "    0", "  150", "  -40") +
          // three-point, t = 270
          Line("    0", "    0", "    0", "-1000") + Line("    0", "-1000", "  500", "-1000") +
          Line("    0", "    0", "   40", " -150") + Line("    0", "    0", "  -40", " -150"));
}

// Texts carry colour 0 whatever the layer's colour; the circle carries it.
TEST(DrawBarMarkBubbleTest, MarkAboveCircleAroundItDiameterTextToTheRight) {
  TestSheet sheet;
  SetOrigin(sheet.run(), 10000, 42000);
  UseTestLayer(sheet.run());
  DrawBarMarkBubble(sheet.run(), {0, 0}, 200, 125, 0, "W2", "D13");
  EXPECT_EQ(sheet.script(),
            "text 10000,42125 125     0 W2 \r\n"
            "CIRCLE 10120,42200   200\r\n"
            "\r\n"
            "text 10600,42000 125     0 D13 \r\n");
  EXPECT_EQ(sheet.dxf(),
            CrLf({"TEXT",   "8",  "K-TEST", "39", "    3",  "62", "0",     "10", "10000", "20",
                  "42125",  "30", "0",      "40", "125",    "51", "    0", "1",  "W2",    "41",
                  "    1",  "0",  "CIRCLE", "8",  "K-TEST", "39", "    3", "62", "5",     "10",
                  "10120",  "20", "42200",  "30", "0",      "40", "  200", "0",  "TEXT",  "8",
                  "K-TEST", "39", "    3",  "62", "0",      "10", "10600", "20", "42000", "30",
                  "0",      "40", "125",    "51", "    0",  "1",  "D13",   "41", "    1", "0"}));
}

TEST(DrawAlignedTextTest, WritesOnlyTheDxfTextWithOriginAndStyle) {
  TestSheet sheet;
  SetOrigin(sheet.run(), 20000, 31000);
  UseTestLayer(sheet.run());
  DrawAlignedText(sheet.run(), {100, -50}, {300, -50}, 125, 0, "L1", "KANJI");
  EXPECT_EQ(sheet.script(), "");
  EXPECT_EQ(sheet.dxf(), CrLf({"TEXT",  "8",  "K-TEST", "39", "    3", "62", "0",     "10",
                               "20100", "20", "30950",  "30", "0",     "11", "20300", "21",
                               "30950", "31", "0",      "40", "125",   "41", "    1", "50",
                               "    0", "1",  "L1",     "7",  "KANJI", "72", "0",     "0"}));
}

TEST(DrawBarRowTest, CountZeroDrawsNothingAndLeavesTheSegment) {
  TestSheet sheet;
  UseTestLayer(sheet.run());
  std::array<Point, 2> segment{{{0, 0}, {500, 0}}};
  DrawBarRow(sheet.run(), segment, 250, 0, 0, 1);
  EXPECT_EQ(sheet.script(), "");
  EXPECT_EQ(sheet.dxf(), "");
  EXPECT_EQ(segment[0], (Point{0, 0}));
  EXPECT_EQ(segment[1], (Point{500, 0}));
}

TEST(DrawBarRowTest, EachBarMovesTheSegmentOnePitch) {
  TestSheet sheet;
  SetOrigin(sheet.run(), 20000, 31000);
  UseTestLayer(sheet.run());
  std::array<Point, 2> segment{{{0, 0}, {500, 0}}};
  DrawBarRow(sheet.run(), segment, 250, 2, 0, 1);
  EXPECT_EQ(sheet.script(),
            "PLINE 20000,31000 20500,31000 \r\n"
            "PLINE 20000,31250 20500,31250 \r\n");
  EXPECT_EQ(sheet.dxf(),
            Line("20000", "31000", "20500", "31000") + Line("20000", "31250", "20500", "31250"));
  EXPECT_EQ(segment[0], (Point{0, 500}));
  EXPECT_EQ(segment[1], (Point{500, 500}));
}

// A bar seen end-on: one donut per dot in the script, and in the DXF file as
// many concentric circles, half a millimetre apart, as the diameter.
TEST(DrawBarDotsTest, D13DotIsOneDonutAndThirteenCircles) {
  TestSheet sheet;
  SetOrigin(sheet.run(), 10000, 42000);
  UseTestLayer(sheet.run());
  const Point start{100, 200};
  DrawBarDots(sheet.run(), start, 13, 250, 2, 1, 0);
  EXPECT_EQ(sheet.script(),
            "donut 0 13 10100,42200 \r\n"
            "donut 0 13 10350,42200 \r\n");
  // Radii 0.5, 1.0, ... 6.5 as printed.
  const char* radii[] = {"    1", "    1", "    2", "    2", "    3", "    3", "    4",
                         "    4", "    5", "    5", "    6", "    6", "    7"};
  std::string expected;
  for (const char* x : {"10100", "10350"}) {
    for (const char* r : radii) {
      expected += CrLf({"CIRCLE", "8", "K-TEST", "39", "    3", "62", "5", "10", x, "20", "42200",
                        "30", "0", "40", r, "0"});
    }
  }
  EXPECT_EQ(sheet.dxf(), expected);
  EXPECT_EQ(start, (Point{100, 200}));
}

TEST(DrawBarDotsTest, LargestCircleHasTheBarRadius) {
  TestSheet sheet;
  UseTestLayer(sheet.run());
  DrawBarDots(sheet.run(), {0, 0}, 25, 250, 1, 0, 1);
  const auto e = ParseEntities(sheet.dxf());
  ASSERT_EQ(e.size(), 25u);
  EXPECT_EQ(e.front().Get(40), "    1");
  EXPECT_EQ(e.back().Get(40), "   13");  // 12.5 rounded away from zero
}

TEST(SelectLayerTest, UnknownNameBecomesCurrentKeepingColourAndThickness) {
  TestSheet sheet;
  DrawContext& c = sheet.run().context;
  SelectLayer(sheet.run(), "NO-SUCH");
  EXPECT_EQ(c.layer, "NO-SUCH");
  EXPECT_EQ(c.colour, 0);
  EXPECT_EQ(c.thickness, 0.0);
  SelectLayer(sheet.run(), "D-STR-DIM");
  EXPECT_EQ(c.colour, 3);
  EXPECT_EQ(c.thickness, 0.18);
  SelectLayer(sheet.run(), "d-str");  // names compare case-sensitively
  EXPECT_EQ(c.layer, "d-str");
  EXPECT_EQ(c.colour, 3);
  EXPECT_EQ(c.thickness, 0.18);
}

TEST(SelectLayerTest, FirstOfTwoEqualNamesWins) {
  LayerTable layers;
  layers.layers = {{1, 1, 0.5, "A"}, {5, 2, 0.25, "A"}};
  DrawContext c;
  SelectLayer(c, layers, "A");
  EXPECT_EQ(c.colour, 1);
  EXPECT_EQ(c.thickness, 0.5);
}

TEST(SelectLayerTest, ColourWordSetsColourWithoutTheLayerTable) {
  TestSheet sheet;
  DrawContext& c = sheet.run().context;
  SelectLayerByColourName(c, "D-STR", Sjis("空"), 0.13);
  EXPECT_EQ(c.layer, "D-STR");
  EXPECT_EQ(c.colour, 4);  // not D-STR's 7
  EXPECT_EQ(c.thickness, 0.13);
  SelectLayerByColourName(c, "D-MTR-MTXT", Sjis("黄"), 0.13);
  EXPECT_EQ(c.colour, 2);
  SelectLayerByColourName(c, "D-MTR-MTXT", Sjis("白"), 0.5);  // not a colour word
  EXPECT_EQ(c.colour, 2);
  EXPECT_EQ(c.thickness, 0.5);
}

}  // namespace
}  // namespace lwall
