#include "drawings/assembly/assembly_section.h"

#include <gtest/gtest.h>

#include "drawings/assembly/assembly_test_support.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::ScriptPolylines;
using testing::TestSheet;

constexpr Point kOrigin = {20000, 31000};

// The example wall (t 300, H 400, Hw 2000, cfb 70, cft 100, covers 50) drawn
// with both wall bars D13 unless a test changes them.
class AssemblySectionTest : public ::testing::Test {
 protected:
  AssemblySectionTest() {
    sheet.design().W1.diameter[1] = 13;
    sheet.design().W2.diameter[1] = 13;
  }
  std::vector<std::vector<Point>> Draw() {
    DrawAssemblySection(sheet.run());
    return ScriptPolylines(sheet.script(), kOrigin);
  }
  TestSheet sheet;
};

TEST_F(AssemblySectionTest, WallBarsAndCrownCapMatchTheirScheduleRows) {
  const auto bars = Draw();
  ASSERT_GE(bars.size(), 3u);
  // The view has no concrete outline: the first figure is the W2 bar.
  EXPECT_EQ(bars[0], (std::vector<Point>{{95, 70}, {-100, 70}, {-100, 1875}}));
  EXPECT_EQ(bars[2], (std::vector<Point>{{-110, 1705}, {-110, 2350}, {110, 2350}, {110, 1705}}));
  const BarScheduleRow& w2 = sheet.run().schedule[kRowW2];
  EXPECT_EQ(w2.diameter_text, "D13");
  EXPECT_DOUBLE_EQ(w2.l1, 1805);
  EXPECT_DOUBLE_EQ(w2.l2, 195);
  EXPECT_DOUBLE_EQ(w2.length, 2000);
  const BarScheduleRow& w5 = sheet.run().schedule[kRowW5];
  EXPECT_EQ(w5.shape_code, "6");
  EXPECT_DOUBLE_EQ(w5.l1, 645);
  EXPECT_DOUBLE_EQ(w5.l2, 200);  // the inner width, 20 less than drawn
  EXPECT_DOUBLE_EQ(w5.length, 1490);
  EXPECT_DOUBLE_EQ(w5.unit_mass, 0.995);
  EXPECT_EQ(sheet.run().context.layer, "D-STR");
}

TEST_F(AssemblySectionTest, BackWallBarFootSitsOneDiameterAboveFrontBar) {
  sheet.design().W1.diameter[1] = 16;
  const auto bars = Draw();
  ASSERT_GE(bars.size(), 2u);
  EXPECT_DOUBLE_EQ(bars[0][1].y, 70);
  EXPECT_DOUBLE_EQ(bars[1][0].y, 86);
  EXPECT_DOUBLE_EQ(bars[1][1].y, 86);
  // W1's bubble sits 500 beside the bar, on a 2000 long leader.
  EXPECT_NE(sheet.script().find("qleader 20100,31950 22100,31950 \r\ntext 20600,32075 "),
            std::string::npos);
}

TEST_F(AssemblySectionTest, FootingBarLegsAndRoundedLengths) {
  // hi = 400 - 100 - 70 = 230; the F2 end leg of 15 x 16 = 240 is clamped to it.
  sheet.design().F2.diameter[1] = 16;
  auto bars = Draw();
  ASSERT_EQ(bars.size(), 5u);
  EXPECT_EQ(bars[4][0], (Point{1300, 300}));
  const BarScheduleRow& f2 = sheet.run().schedule[kRowF2];
  EXPECT_DOUBLE_EQ(f2.l3, 230);
  EXPECT_DOUBLE_EQ(f2.l2, 1900);
  EXPECT_DOUBLE_EQ(f2.l1, 272);
  EXPECT_DOUBLE_EQ(f2.length, 2410);  // 2402 rounded up
  // F1's heel leg is scheduled as drawn, the whole inner height, and the sum
  // 195 + 1900 + 230 is rounded up to whole centimetres.
  const BarScheduleRow& f1 = sheet.run().schedule[kRowF1];
  EXPECT_EQ(bars[3][0], (Point{1313, 70}));
  EXPECT_DOUBLE_EQ(f1.l3, 230);
  EXPECT_DOUBLE_EQ(f1.length, 2330);

  TestSheet thin;
  thin.design().F2.diameter[1] = 13;  // 195, below hi: kept
  DrawAssemblySection(thin.run());
  EXPECT_DOUBLE_EQ(thin.run().schedule[kRowF2].l3, 195);
  EXPECT_EQ(ScriptPolylines(thin.script(), kOrigin)[4][0], (Point{1300, 265}));
}

}  // namespace
}  // namespace lwall
