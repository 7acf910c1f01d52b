// Dimensions, arrowheads, tick chains and the two line helpers they rest on.
#include "kernel/dimensions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "kernel/expected_records.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::CrLf;
using testing::Line;
using testing::ParseEntities;
using testing::TestSheet;
using testing::UseTestLayer;

// The arrowhead of dimensions and ticks: 50 long, 50 tan 15 = 13.4 each side.
constexpr double kHalfWidth = 13.397459621556134;

void ExpectPoint(Point actual, double x, double y) {
  EXPECT_NEAR(actual.x, x, 1e-9);
  EXPECT_NEAR(actual.y, y, 1e-9);
}

// The sign of the distance picks the side by increasing x (increasing y on a
// vertical line), whatever the order of the two points.
TEST(LineHelpersTest, PointAlongLineSideDependsOnSignNotOnPointOrder) {
  ExpectPoint(PointAlongLine({0, 0}, {30, 40}, 5), 3, 4);
  ExpectPoint(PointAlongLine({0, 0}, {-30, -40}, 5), 3, 4);
  ExpectPoint(PointAlongLine({0, 0}, {30, 40}, -5), -3, -4);
  ExpectPoint(PointAlongLine({0, 0}, {-100, 0}, 10), 10, 0);
  ExpectPoint(PointAlongLine({7, 0}, {7, -100}, 10), 7, 10);
  ExpectPoint(PointAlongLine({7, 0}, {7, 100}, -10), 7, -10);
  ExpectPoint(PointAlongLine({7, 0}, {7, 100}, 0), 7, 0);
}

TEST(LineHelpersTest, PerpendicularPointSideDependsOnSignNotOnPointOrder) {
  const double r2 = std::sqrt(2.0);
  ExpectPoint(PerpendicularPoint({0, 0}, {100, 100}, r2), -1, 1);
  ExpectPoint(PerpendicularPoint({0, 0}, {-100, -100}, r2), -1, 1);
  ExpectPoint(PerpendicularPoint({0, 0}, {100, 100}, -r2), 1, -1);
  ExpectPoint(PerpendicularPoint({0, 0}, {100, -100}, r2), 1, 1);
  ExpectPoint(PerpendicularPoint({5, 5}, {-100, 5}, 3), 5, 8);
  // On a vertical line a positive offset goes to decreasing x.
  ExpectPoint(PerpendicularPoint({5, 5}, {5, 100}, 3), 2, 5);
  ExpectPoint(PerpendicularPoint({5, 5}, {5, -100}, -3), 8, 5);
}

TEST(DrawArrowheadTest, BarbsStandAcrossTheLineAtTheBase) {
  TestSheet sheet;
  UseTestLayer(sheet.run());
  // Tip at (0, 0) pointing along the line to (1000, 0): base at x = 50
  // (negated length), barbs above then below.
  DrawArrowhead(sheet.run(), {0, 0}, {1000, 0}, -50, kHalfWidth);
  // Along a sloped line the barbs are perpendicular to it.
  DrawArrowhead(sheet.run(), {0, 0}, {-300, -400}, 50, 10);            // base (-30, -40)
  DrawArrowheadAtEnd(sheet.run(), {0, 1000}, {0, 0}, 50, kHalfWidth);  // base (0, 50)
  EXPECT_EQ(
      sheet.dxf(),
      Line("    0", "    0", "   50", "   13") + Line("    0", "    0", "   50", "  -13") +
          Line("    0", "    0", "  -38", "  -34") + Line("    0", "    0", "  -22", "  -46") +
          Line("    0", "    0", "  -13", "   50") + Line("    0", "    0", "   13", "   50"));
  EXPECT_EQ(sheet.script(),
            "PLINE     0,    0    50,   13 \r\n"
            "PLINE     0,    0    50,  -13 \r\n"
            "PLINE     0,    0   -38,  -34 \r\n"
            "PLINE     0,    0   -22,  -46 \r\n"
            "PLINE     0,    0   -13,   50 \r\n"
            "PLINE     0,    0    13,   50 \r\n");
}

// A dimension exactly as long as its arrowheads (every 50 mm cover): each
// arrowhead's base falls on the other end of the line. The barbs must still
// stand across the line, not lie flat along it.
TEST(DrawArrowheadTest, HorizontalFiftyMillimetreDimensionHasUprightBarbs) {
  TestSheet sheet;
  UseTestLayer(sheet.run());
  DrawDimensionHorizontal(sheet.run(), {0, 0}, {50, 0}, {0, -300}, {-100, -280}, 125, "   50");
  const std::string dxf = sheet.dxf();
  EXPECT_NE(
      dxf.find(Line("    0", " -300", "   50", " -287") + Line("    0", " -300", "   50", " -313") +
               Line("   50", " -300", "    0", " -287") + Line("   50", " -300", "    0", " -313")),
      std::string::npos)
      << dxf;
}

// y3 = y2 + 1000: the dimension line runs down from (x3, y3) to (x3, y2);
// both arrowheads open inwards with their barbs 50 inside the ends.
TEST(DrawDimensionTest, VerticalDimensionDrawnDownwards) {
  TestSheet sheet;
  SetOrigin(sheet.run(), 20000, 31000);
  UseTestLayer(sheet.run());
  sheet.run().dimension_text_style = "KANJI";
  DrawDimensionVertical(sheet.run(), {500, 1000}, {500, 0}, {300, 1000}, {280, 400}, 125.9,
                        " 1000");
  EXPECT_EQ(sheet.script(),
            "PLINE 20500,32000 20300,32000 20300,31000 20500,31000 \r\n"
            "PLINE 20300,32000 20287,31950 \r\n"
            "PLINE 20300,32000 20313,31950 \r\n"
            "PLINE 20300,31000 20287,31050 \r\n"
            "PLINE 20300,31000 20313,31050 \r\n");
  EXPECT_EQ(
      sheet.dxf(),
      Line("20500", "32000", "20300", "32000") + Line("20300", "32000", "20300", "31000") +
          Line("20300", "31000", "20500", "31000") + Line("20300", "32000", "20287", "31950") +
          Line("20300", "32000", "20313", "31950") + Line("20300", "31000", "20287", "31050") +
          Line("20300", "31000", "20313", "31050") +
          CrLf({"TEXT",  "8",  "K-TEST", "39", "    3", "62", "0",     "10",
                "20280", "20", "31400",  "30", "0",     "11", "20280", "21",
                "31600", "31", "0",      "40", "125",   "41", "    1", "50",
                "   90", "1",  " 1000",  "7",  "KANJI", "72", "0",     "0"}));
}

TEST(DrawDimensionTest, VerticalDimensionDrawnUpwards) {
  TestSheet sheet;
  UseTestLayer(sheet.run());
  DrawDimensionVertical(sheet.run(), {500, 0}, {500, 1000}, {300, 0}, {280, 400}, 125, " 1000");
  EXPECT_EQ(sheet.script(),
            "PLINE   500,    0   300,    0   300, 1000   500, 1000 \r\n"
            "PLINE   300,    0   287,   50 \r\n"
            "PLINE   300,    0   313,   50 \r\n"
            "PLINE   300, 1000   287,  950 \r\n"
            "PLINE   300, 1000   313,  950 \r\n");
}

// x3 < x2: the rotation is atan(0 / negative), a negative zero.
TEST(DrawDimensionTest, HorizontalDimensionTowardsIncreasingXHasNegativeZeroRotation) {
  TestSheet sheet;
  UseTestLayer(sheet.run());
  // The style is still empty: nothing has set it yet.
  DrawDimensionHorizontal(sheet.run(), {0, 0}, {1000, 0}, {0, -300}, {400, -280}, 125.5, " 1000");
  EXPECT_EQ(sheet.script(),
            "PLINE     0,    0     0, -300  1000, -300  1000,    0 \r\n"
            "PLINE     0, -300    50, -287 \r\n"
            "PLINE     0, -300    50, -313 \r\n"
            "PLINE  1000, -300   950, -287 \r\n"
            "PLINE  1000, -300   950, -313 \r\n");
  const std::string dxf = sheet.dxf();
  ASSERT_EQ(ParseEntities(dxf).size(), 8u);
  EXPECT_EQ(
      dxf.substr(dxf.find("TEXT\r\n")),
      CrLf({"TEXT",  "8",  "K-TEST", "39",    "    3", "62",    "0",  "10", "  400", "20",  " -280",
            "30",    "0",  "11",     "  600", "21",    " -280", "31", "0",  "40",    "125", "41",
            "    1", "50", "   -0",  "1",     " 1000", "7",     "",   "72", "0",     "0"}));
}

TEST(DrawDimensionTest, HorizontalDimensionTowardsDecreasingXAndOfZeroLength) {
  TestSheet sheet;
  UseTestLayer(sheet.run());
  DrawDimensionHorizontal(sheet.run(), {1000, 0}, {0, 0}, {1000, -300}, {400, -280}, 125, "a");
  DrawDimensionHorizontal(sheet.run(), {0, 0}, {0, 0}, {0, -300}, {0, -280}, 125, "b");
  const auto e = ParseEntities(sheet.dxf());
  ASSERT_EQ(e.size(), 16u);
  // Both arrowheads still open inwards.
  EXPECT_EQ(e[3].Get(10), " 1000");
  EXPECT_EQ(e[3].Get(11), "  950");
  EXPECT_EQ(e[5].Get(10), "    0");
  EXPECT_EQ(e[5].Get(11), "   50");
  EXPECT_EQ(e[7].Get(1), "a");
  EXPECT_EQ(e[7].Get(50), "    0");
  EXPECT_EQ(e[15].Get(1), "b");
  EXPECT_EQ(e[15].Get(50), "   90");
}

// n = 0: one zero-length segment with one arrowhead at the start, then the
// tail from that same point.
TEST(DrawTickChainTest, VerticalChainWithoutBars) {
  TestSheet sheet;
  UseTestLayer(sheet.run());
  DrawTickChainVertical(sheet.run(), {100, 200}, 300, 250, 0, 1);
  EXPECT_EQ(sheet.script(),
            "PLINE   100,  200   100,  200 \r\n"
            "PLINE   100,  200    87,  250 \r\n"
            "PLINE   100,  200   113,  250 \r\n"
            "PLINE   100,  200   100,  500 \r\n");
  EXPECT_EQ(sheet.dxf(), Line("  100", "  200", "  100", "  200") +
                             Line("  100", "  200", "   87", "  250") +
                             Line("  100", "  200", "  113", "  250") +
                             Line("  100", "  200", "  100", "  500"));
  ExpectPoint(sheet.run().chain_end, 100, 500);
}

// The first bar gets two arrowheads; the tail starts n pitches on.
TEST(DrawTickChainTest, VerticalChainDownwardsWithTwoBars) {
  TestSheet sheet;
  SetOrigin(sheet.run(), 10000, 42000);
  UseTestLayer(sheet.run());
  DrawTickChainVertical(sheet.run(), {100, 200}, 300, 250, 2, -1);
  EXPECT_EQ(sheet.script(),
            "PLINE 10100,42200 10100,42200 \r\n"
            "PLINE 10100,42200 10087,42150 \r\n"
            "PLINE 10100,42200 10113,42150 \r\n"
            "PLINE 10100,42200 10100,41950 \r\n"
            "PLINE 10100,42200 10087,42150 \r\n"
            "PLINE 10100,42200 10113,42150 \r\n"
            "PLINE 10100,41950 10100,41700 \r\n"
            "PLINE 10100,41950 10087,41900 \r\n"
            "PLINE 10100,41950 10113,41900 \r\n"
            "PLINE 10100,41700 10100,41400 \r\n");
  EXPECT_EQ(ParseEntities(sheet.dxf()).size(), 10u);
  ExpectPoint(sheet.run().chain_end, 100, -600);
}

// The first segment is 0.01 long so that its arrowhead lies along x; without
// it the arrowhead of a zero-length segment would stand vertically.
TEST(DrawTickChainTest, HorizontalChainStartsWithAHundredthOfAMillimetre) {
  TestSheet sheet;
  UseTestLayer(sheet.run());
  DrawTickChainHorizontal(sheet.run(), {0, 100}, 100, 250, 1, 1);
  EXPECT_EQ(sheet.script(),
            "PLINE     0,  100     0,  100 \r\n"
            "PLINE     0,  100    50,  113 \r\n"
            "PLINE     0,  100    50,   87 \r\n"
            "PLINE     0,  100   250,  100 \r\n"
            "PLINE     0,  100    50,  113 \r\n"
            "PLINE     0,  100    50,   87 \r\n"
            "PLINE   250,  100   350,  100 \r\n");
  const auto e = ParseEntities(sheet.dxf());
  ASSERT_EQ(e.size(), 7u);
  // The tail ends at 350.01, but one pitch beyond the last bar lies further
  // out: the callout starts there.
  ExpectPoint(sheet.run().chain_end, 500.01, 100);
}

// Right of the wall centre line the callout starts at the outermost of the
// tail end and the point one pitch beyond the last bar; left of it at the
// outermost to the left.
TEST(DrawTickChainTest, HorizontalChainEndPicksTheOuterPointBySide) {
  struct Case {
    Point start;
    double tail;
    int direction;
    double end_x;
  };
  const Case cases[] = {
      {{0, 0}, 100, 1, 750.01},        // E 600.01 < Q 750.01
      {{0, 0}, 400, 1, 900.01},        // E 900.01 > Q
      {{0, 0}, 100, -1, -749.99},      // E -599.99 > Q -749.99
      {{0, 0}, 400, -1, -899.99},      // E -899.99 < Q
      {{2000, 0}, 100, -1, 1400.01},   // E 1400.01 > Q 1250.01, E.x > 0
      {{-2000, 0}, 100, 1, -1399.99},  // E -1399.99 < Q -1249.99, E.x <= 0
  };
  for (const Case& c : cases) {
    TestSheet sheet;
    UseTestLayer(sheet.run());
    DrawTickChainHorizontal(sheet.run(), c.start, c.tail, 250, 2, c.direction);
    EXPECT_NEAR(sheet.run().chain_end.x, c.end_x, 1e-9)
        << "start " << c.start.x << " tail " << c.tail << " direction " << c.direction;
    EXPECT_NEAR(sheet.run().chain_end.y, 0, 1e-9);
  }
}

}  // namespace
}  // namespace lwall
