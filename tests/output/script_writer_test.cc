// Every script command form, blank for blank: in a script a blank or a line
// end is an Enter key, so one missing or extra character changes the drawing.
#include "output/script_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "output/output_stream.h"
#include "support/shift_jis_text.h"

namespace lwall {
namespace {

using testing::Sjis;

class ScriptWriterTest : public ::testing::Test {
 protected:
  OutputStream out;
  ScriptWriter script{out};
};

TEST_F(ScriptWriterTest, PolylineListsEveryPointWithTheOriginAndEndsWithABlank) {
  script.Polyline(std::vector<Point>{{0, 0}, {100, 0}}, {10000, 42000});
  script.Polyline(std::vector<Point>{{-0.5, 2.5}, {100000.5, -7}, {-0.5, 2.5}}, {0, 0});
  EXPECT_EQ(out.contents(),
            "PLINE 10000,42000 10100,42000 \r\n"
            "PLINE    -1,    3 100001,   -7    -1,    3 \r\n");
}

TEST_F(ScriptWriterTest, ThreePointLeaderIsFollowedByOneEmptyLineTwoPointLeaderByNone) {
  script.ScriptLeader({0, 0}, {500, 500}, {20000, 31000});
  script.ScriptLeader({0, 0}, {500, 500}, {900, 500}, {20000, 31000});
  script.ScriptLeader({1, 2}, {3, 4}, {0, 0});
  EXPECT_EQ(out.contents(),
            "qleader 20000,31000 20500,31500 \r\n"
            "qleader 20000,31000 20500,31500 20900,31500\r\n"
            "\r\n"
            "qleader     1,    2     3,    4 \r\n");
}

TEST_F(ScriptWriterTest, TextEndsWithHeightAngleAndTextEachFollowedByABlank) {
  script.Text({0, 125}, 125, 0, "W2", {10000, 42000});
  script.Text({-350, 1000}, 100, 90, "D13", {20000, 31000});
  EXPECT_EQ(out.contents(),
            "text 10000,42125 125     0 W2 \r\n"
            "text 19650,32000 100    90 D13 \r\n");
}

TEST_F(ScriptWriterTest, CircleRadiusEndsItsLineAndAnEmptyLineFollows) {
  script.Circle({120, 200}, 200, {10000, 42000});
  script.Circle({0, 0}, 6.5, {10000, 42000});
  EXPECT_EQ(out.contents(),
            "CIRCLE 10120,42200   200\r\n"
            "\r\n"
            "CIRCLE 10000,42000     7\r\n"
            "\r\n");
}

// With the origin at (0, 0) the text and circle commands print their point as
// given, so a negative zero keeps its sign; the other commands add the origin.
TEST_F(ScriptWriterTest, TextAndCircleAtZeroOriginKeepANegativeZero) {
  script.Text({-0.0, 125}, 125, 0, "W2", {0, 0});
  script.Circle({-0.0, -0.0}, 200, {0, 0});
  script.Text({-0.0, 125}, 125, 0, "W2", {100, 0});
  script.Polyline(std::vector<Point>{{-0.0, 0}, {1, 0}}, {0, 0});
  EXPECT_EQ(out.contents(),
            "text    -0,  125 125     0 W2 \r\n"
            "CIRCLE    -0,   -0   200\r\n"
            "\r\n"
            "text   100,  125 125     0 W2 \r\n"
            "PLINE     0,    0     1,    0 \r\n");
}

TEST_F(ScriptWriterTest, DimLinearVerticalAndHorizontalFormsAddTheOriginToAllThreePoints) {
  const Point origin{20000, 31000};
  script.ScriptDimLinearV({0, 0}, {0, 1000}, {-500, 0}, origin);
  script.ScriptDimLinearH({0, 0}, {1200, 0}, {0, -400}, origin);
  EXPECT_EQ(out.contents(),
            "dimlinear 20000,31000 20000,32000 V 19500,31000 \r\n"
            "dimlinear 20000,31000 21200,31000 H 20000,30600 \r\n");
}

TEST_F(ScriptWriterTest, DimLinearWithItsOwnTextSpansTwoLines) {
  script.ScriptDimLinearM({0, 0}, {1000, 0}, Sjis("4×250\\P= 1000"), {0, -500}, {20000, 31000});
  EXPECT_EQ(out.contents(), Sjis("dimlinear 20000,31000 21000,31000 M 4×250\\P= 1000\r\n"
                                 "20000,30500 \r\n"));
}

TEST_F(ScriptWriterTest, DonutHasInnerDiameterZeroAndTheBarDiameter) {
  script.Donut({100, 200}, 13, {10000, 42000});
  EXPECT_EQ(out.contents(), "donut 0 13 10100,42200 \r\n");
}

}  // namespace
}  // namespace lwall
