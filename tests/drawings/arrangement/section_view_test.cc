// Edge cases of the section view: label centring, a wall without toe, dot
// rows with a missing segment, and the S1 and S2 ties for short walls.
#include <gtest/gtest.h>

#include "drawings/arrangement/arrangement_patterns.h"
#include "drawings/arrangement/arrangement_test_util.h"
#include "drawings/arrangement/reinforcement_arrangement.h"
#include "drawings/arrangement/section_details.h"

namespace lwall {
namespace {

using testing::CountScriptLines;
using testing::TestSheet;
using testing::TextsOf;

// The example with a change, drawn whole.
template <typename Change>
std::string ScriptWith(Change change) {
  TestSheet sheet;
  change(sheet.design());
  DrawReinforcementArrangement(sheet.run());
  return sheet.script();
}

TEST(LinearDimension, LabelIsCentredByItsOwnLength) {
  TestSheet sheet;
  SelectLayer(sheet.run(), "D-STR-DIM");
  LinearDimensionVertical(sheet.run(), {0, 0}, {0, 100000}, -500, -520);
  LinearDimensionHorizontal(sheet.run(), {0, 0}, {99999, 0}, -500, -480);
  const auto six = TextsOf(sheet.dxf(), "100000");
  ASSERT_EQ(six.size(), 1u);
  EXPECT_EQ(six[0].Get(10), " -520");
  EXPECT_EQ(six[0].Get(20), "49625");  // 50000 - 6·62.5
  const auto five = TextsOf(sheet.dxf(), "99999");
  ASSERT_EQ(five.size(), 1u);
  EXPECT_EQ(five[0].Get(10), "49687");  // 49999.5 - 5·62.5, half away from zero
  EXPECT_EQ(five[0].Get(20), " -480");
  EXPECT_EQ(CountScriptLines(sheet.script(), "dimlinear     0,    0     0,100000 V  -500,    0 "),
            1);
}

TEST(SectionView, WithoutToeTheOutlineKeepsElevenPoints) {
  const std::string script = ScriptWith([](DesignData& d) { d.toe_width = 0; });
  EXPECT_EQ(testing::SplitLines(script)[0],
            "PLINE 11350,42000 11350,42400 10150,42400 10150,44400 10150,44400 10150,44400  "
            "9850,44400  9850,42400  9850,42400  9850,42000 11350,42000 ");
  // The footing thickness is measured at the wall face.
  EXPECT_EQ(CountScriptLines(script, "dimlinear  9650,42400  9650,42000 V  7150,42400 "), 1);
}

TEST(SectionView, SegmentWithoutBarsStillMovesTheNextRow) {
  const std::string script = ScriptWith([](DesignData& d) { d.W4.diameter[1] = 0; });
  EXPECT_EQ(script.find("donut 0 13  9900,42300 "), std::string::npos);
  // Segment 2 starts 4 × 250 above the footing's top bars, with 3 + 1 dots.
  EXPECT_EQ(CountScriptLines(script, "donut 0 13  9900,43300 "), 1);
  EXPECT_EQ(CountScriptLines(script, "donut 0 13  9900,44350 "), 1);
  EXPECT_EQ(script.find("donut 0 13  9900,44700 "), std::string::npos);
}

TEST(SectionView, FootingDotRowsTakeTheirOwnSegmentsDiameter) {
  const std::string script = ScriptWith([](DesignData& d) {
    d.F4.diameter[2] = 19;
    d.F3.diameter[3] = 16;
  });
  // Every F4 row stays one first-segment diameter (16) under the bottom bars.
  EXPECT_EQ(CountScriptLines(script, "donut 0 16  9400,42054 "), 1);
  EXPECT_EQ(CountScriptLines(script, "donut 0 19 10050,42054 "), 1);
  EXPECT_EQ(CountScriptLines(script, "donut 0 19 10300,42054 "), 1);
  EXPECT_EQ(CountScriptLines(script, "donut 0 16 10550,42054 "), 1);
  // F3 rows stay one F3 first-segment diameter (13) above the top bars.
  EXPECT_EQ(CountScriptLines(script, "donut 0 13 10300,42313 "), 1);
  EXPECT_EQ(CountScriptLines(script, "donut 0 16 10550,42313 "), 1);
  EXPECT_EQ(CountScriptLines(script, "donut 0 16 11300,42313 "), 1);
}

TEST(S1ChainCount, FollowsTheTableForEachFaceSegmentCount) {
  EXPECT_EQ(S1ChainCount(6, 0), 2);
  EXPECT_EQ(S1ChainCount(7, 0), 2);
  EXPECT_EQ(S1ChainCount(6, 1), 2);
  EXPECT_EQ(S1ChainCount(7, 1), 3);
  EXPECT_EQ(S1ChainCount(6, 2), 3);
  EXPECT_EQ(S1ChainCount(7, 2), 3);
  EXPECT_EQ(S1ChainCount(6, 3), 3);
  EXPECT_EQ(S1ChainCount(7, 3), 3);
  EXPECT_EQ(S1ChainCount(2, 0), 0);
  EXPECT_EQ(S1ChainCount(-1, 0), -2);
  EXPECT_EQ(S1ChainCount(6, 4), std::nullopt);
  EXPECT_EQ(S1ChainCount(6, -1), std::nullopt);
}

TEST(SectionView, S1TiesAndTheirChain) {
  // P + Q < 4: no tie, but the chain (count 0) is drawn and the callout starts at it.
  const std::string short_wall = ScriptWith([](DesignData& d) {
    d.W3.pitch_count[1] = 2;
    d.W3.pitch_count[2] = 1;
  });
  for (const std::string& line : testing::SplitLines(short_wall)) {
    EXPECT_FALSE(line.starts_with("PLINE  9900,") && line.find(" 10100,") != std::string::npos)
        << line;
  }
  EXPECT_EQ(CountScriptLines(short_wall, "PLINE  9980,42800  9980,42800 "), 2);
  EXPECT_EQ(CountScriptLines(short_wall, "PLINE  9980,42800  9980,45400  8500,45400 "), 1);

  // An odd first segment with three pitches above: a second chain reaches
  // the first bar of the second segment.
  const std::string odd = ScriptWith([](DesignData& d) { d.W3.pitch_count[1] = 5; });
  EXPECT_EQ(CountScriptLines(odd, "PLINE  9980,43800  9980,44400 "), 1);
  EXPECT_EQ(CountScriptLines(odd, "PLINE  9980,44400  9980,45400  8500,45400 "), 1);

  // No chain for four or more pitches above: the callout starts at (0, 0).
  const std::string tall = ScriptWith([](DesignData& d) { d.W3.pitch_count[2] = 5; });
  EXPECT_EQ(CountScriptLines(tall, "PLINE  9980,42000  9980,45400  8500,45400 "), 1);
}

TEST(SectionView, S2TiesWithoutF3PitchOrWithOneTie) {
  // No segment count (or one past 5, which names no pitch): all ties at the heel end.
  for (int segments : {0, 7, -1}) {
    const std::string script =
        ScriptWith([segments](DesignData& d) { d.F3.segment_count = segments; });
    EXPECT_EQ(CountScriptLines(script, "PLINE 11300,42300 11300,42070 "), 3) << segments;
    EXPECT_EQ(script.find("PLINE 11050,42300 11050,42070 "), std::string::npos) << segments;
  }
  // One tie: the chain's pitch reads the unset second position, -x1.
  const std::string one = ScriptWith([](DesignData& d) {
    d.F3.pitch_count[2] = 1;
    d.F3.pitch_count[3] = 1;
  });
  EXPECT_EQ(CountScriptLines(one, "PLINE 11050,42300 11050,42070 "), 1);
  EXPECT_EQ(CountScriptLines(one, "PLINE 11050,42200 10000,42200 "), 1);
}

}  // namespace
}  // namespace lwall
