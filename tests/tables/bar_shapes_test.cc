#include "tables/bar_shapes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::DxfEntity;
using testing::ParseEntities;
using testing::SplitLines;
using testing::TestSheet;

const DxfEntity* FindText(const std::vector<DxfEntity>& entities, const std::string& text) {
  for (const DxfEntity& e : entities) {
    if (e.type == "TEXT" && e.Get(1) == text) return &e;
  }
  return nullptr;
}

TEST(ShapeLegend, FirstBlockPlacesLegDimensionsLabelsAndTitle) {
  TestSheet sheet;
  sheet.run().extension_gap = 100;
  DrawShapeLegend(sheet.run());

  const std::vector<std::string> script = SplitLines(sheet.script());
  ASSERT_GE(script.size(), 10u);
  EXPECT_EQ(script[0], "PLINE 28000,49200 28000,48000 28400,48000 ");
  // L1: script location at the lower end of the leg; extension lines start 100 left.
  EXPECT_EQ(script[1], "dimlinear 28000,49200 28000,48000 M L1");
  EXPECT_EQ(script[2], "27300,48000 ");
  EXPECT_EQ(script[3], "PLINE 27900,49200 27300,49200 27300,48000 27900,48000 ");
  // L2: script location at the far end of the run; extension lines start 100 below.
  EXPECT_EQ(script[8], "dimlinear 28000,48000 28400,48000 M L2");
  EXPECT_EQ(script[9], "28400,47300 ");
  EXPECT_EQ(script[10], "PLINE 28000,47900 28000,47300 28400,47300 28400,47900 ");

  const auto entities = ParseEntities(sheet.dxf());
  const DxfEntity* l1 = FindText(entities, "L1");
  ASSERT_NE(l1, nullptr);
  EXPECT_EQ(l1->Get(8), "D-STR-DIM");
  EXPECT_EQ(l1->Number(10), 27250);  // (-750, 400): a third of the way up
  EXPECT_EQ(l1->Number(20), 48400);
  const DxfEntity* l2 = FindText(entities, "L2");
  ASSERT_NE(l2, nullptr);
  EXPECT_EQ(l2->Number(10), 28133);  // (133.33, -650)
  EXPECT_EQ(l2->Number(20), 47350);
  const DxfEntity* title = FindText(entities, Sjis("形 式 １"));
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->Number(10), 27800);
  EXPECT_EQ(title->Number(20), 47000);
  // Titles are DXF only.
  EXPECT_EQ(sheet.script().find(Sjis("形 式")), std::string::npos);
}

TEST(BarShapes, CrankAndUBarsKeepTheirOwnScale) {
  TestSheet sheet;
  RunState& run = sheet.run();
  const ShapeSketch crank = DrawBarShape4(run, 2000, 1000, 1200, 1.0);
  EXPECT_EQ(crank.count, 4u);
  EXPECT_EQ(crank.p(1), (Point{0, 600}));
  EXPECT_EQ(crank.p(4), (Point{1000, -500}));
  const ShapeSketch u_bar = DrawBarShape2(run, 2000, 1000, 1.0);
  EXPECT_EQ(u_bar.p(3), (Point{800, 0}));
  EXPECT_EQ(u_bar.p(4), (Point{800, 400}));
  const ShapeSketch inverted_u = DrawBarShape6(run, 2000, 1000, 2.0);
  EXPECT_EQ(inverted_u.p(3), (Point{800, 400}));
  // The others follow the scale they are given.
  EXPECT_EQ(DrawBarShape1(run, 3000, 1000, 1.0).p(1), (Point{0, 3000}));
  const ShapeSketch tie = DrawBarShape3(run, 2000, 1000, 800, 0.5);
  EXPECT_EQ(tie.count, 6u);
  EXPECT_EQ(tie.p(1), (Point{500, 0}));
  EXPECT_EQ(tie.p(6), (Point{600, 0}));
  EXPECT_EQ(DrawBarShape5(run, 2000, 0.4).p(2), (Point{800, 0}));
}

TEST(BarShapes, CrankLabelsAreCentredAndClearOfTheFallingLeg) {
  TestSheet sheet;
  RunState& run = sheet.run();
  run.extension_gap = 100;
  const ShapeSketch crank = DrawBarShape4(run, 2000, 1000, 1200, 0.4);
  LabelBarShape4(run, crank, "L1", "L2", "L3");
  const auto entities = ParseEntities(sheet.dxf());
  // A two-byte label is centred with half of 2 * 125.
  EXPECT_EQ(FindText(entities, "L1")->Number(20), 175);
  EXPECT_EQ(FindText(entities, "L2")->Number(10), 375);
  EXPECT_EQ(FindText(entities, "L2")->Number(20), -950);
  EXPECT_EQ(FindText(entities, "L3")->Number(10), 1450);
  EXPECT_EQ(FindText(entities, "L3")->Number(20), -375);
  const std::string& script = sheet.script();
  // The run's dimension line 1000 below it, the falling leg's at x = 1500.
  EXPECT_NE(script.find("PLINE     0, -100     0,-1000  1000,-1000  1000, -600 "),
            std::string::npos);
  EXPECT_NE(script.find("PLINE  1100,    0  1500,    0  1500, -500  1100, -500 "),
            std::string::npos);
  EXPECT_NE(script.find("M L3\r\n 1700,    0 "), std::string::npos);
}

}  // namespace
}  // namespace lwall
