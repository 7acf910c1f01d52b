// Edge cases of the wall face view: spacing labels for one or no pitch,
// S1 marks above the first segment or missing, the mark spacing and the
// third horizontal segment.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "drawings/arrangement/arrangement_test_util.h"
#include "drawings/arrangement/reinforcement_arrangement.h"
#include "drawings/arrangement/wall_face_bars.h"
#include "support/shift_jis_text.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::CountScriptLines;
using testing::TestSheet;
using testing::TextsOf;

struct Drawn {
  std::string dxf;
  std::string script;
  std::int64_t s1_count;
};

template <typename Change>
Drawn DrawWith(Change change) {
  TestSheet sheet;
  change(sheet.design());
  DrawReinforcementArrangement(sheet.run());
  return {sheet.dxf(), sheet.script(), sheet.run().schedule[kRowS1].count};
}

TEST(WallFaceView, OnePitchGetsThePlainLengthNoPitchTheCountForm) {
  const Drawn drawn = DrawWith([](DesignData& d) {
    d.W4.pitch_count[1] = 1;
    d.W4.pitch_count[2] = 0;
    d.W1.pitch_count[1] = 1;
    d.W2.pitch_count[1] = 0;
  });
  const auto single = TextsOf(drawn.dxf, "  250");
  ASSERT_GE(single.size(), 2u);
  EXPECT_EQ(single[0].Get(10), "16750");  // front chain row 4
  EXPECT_EQ(single[0].Get(20), "42113");  // 425 - 5·62.5
  EXPECT_EQ(single[1].Get(10), "19813");  // bottom, W1: 125 - 5·62.5
  EXPECT_EQ(single[1].Get(20), "39850");
  // A zero count keeps both parts, 150 apart on the chain.
  const auto count_part = TextsOf(drawn.dxf, Sjis("0×350"));
  const auto total_part = TextsOf(drawn.dxf, "=    0");
  ASSERT_EQ(count_part.size(), 1u);
  ASSERT_EQ(total_part.size(), 2u);  // the chain and the W2 bottom dimension
  EXPECT_EQ(count_part[0].Get(10), "16600");
  EXPECT_EQ(total_part[0].Get(10), "16750");
  EXPECT_EQ(count_part[0].Get(20), total_part[0].Get(20));
  EXPECT_NE(drawn.script.find(Sjis("M 0×250\\P=    0\r\n")), std::string::npos);
  EXPECT_EQ(TextsOf(drawn.dxf, Sjis("0×250")).size(), 1u);
}

TEST(WallFaceView, MarksAboveTheFirstSegmentMoveToTheSecond) {
  // s = 4 + 7: two marks per even column; the second (at 1800) lies above
  // the first segment's last bar (1300) and moves to 1300 + 350.
  const Drawn drawn = DrawWith([](DesignData& d) { d.W4.pitch_count[2] = 7; });
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 19450,43600 19500,43650 19550,43700 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "qleader 19500,43650 18000,44650 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "qleader 19000,43650 18000,44650 "), 1);
  EXPECT_EQ(drawn.s1_count, 2 * 2 + 2 * 2);  // odd columns: floor(5/4) + 1
}

TEST(WallFaceView, NoColumnsOrTooFewBarsDrawNoMarks) {
  const Drawn no_columns = DrawWith([](DesignData& d) { d.W2.pitch_count[1] = 0; });
  EXPECT_EQ(no_columns.s1_count, 0);
  // Both leaders start at (0, 0).
  EXPECT_EQ(CountScriptLines(no_columns.script, "qleader 20000,42000 18500,43000 "), 2);

  // s = 2: floor(-2/4) + 1 = 0 marks in every column.
  const Drawn few_bars = DrawWith([](DesignData& d) {
    d.W4.pitch_count[1] = 1;
    d.W4.pitch_count[2] = 1;
  });
  EXPECT_EQ(few_bars.s1_count, 0);
}

TEST(S1MarkStep, WholeF1PitchesReachingHalfAMetre) {
  EXPECT_DOUBLE_EQ(S1MarkStep(250), 500);
  EXPECT_DOUBLE_EQ(S1MarkStep(125), 500);
  EXPECT_DOUBLE_EQ(S1MarkStep(200), 600);
  EXPECT_DOUBLE_EQ(S1MarkStep(0), 500);
  EXPECT_DOUBLE_EQ(S1MarkStep(-250), 500);
  EXPECT_DOUBLE_EQ(S1MarkStep(1e-320), 500);
  EXPECT_DOUBLE_EQ(S1MarkStep(std::numeric_limits<double>::quiet_NaN()), 500);
  EXPECT_DOUBLE_EQ(S1MarkStep(std::numeric_limits<double>::infinity()), 500);
}

// Segment fields made distinct, so that reading a neighbouring field (the
// other face's bar, the other segment's pitch or diameter) shows.
TEST(WallFaceView, CrownLegsAndCalloutsReadTheirOwnFields) {
  const Drawn drawn = DrawWith([](DesignData& d) {
    d.W5.pitch[2] = 200;
    d.W5.diameter[2] = 16;
    d.W5.pitch_count[2] = 2;
    d.W3.pitch[2] = 300;
  });
  // Front legs from -200 + 16, two of them, all 32 × 13 long below the crown bar.
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 19816,44350 19816,43934 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 19616,44350 19616,43934 "), 1);
  EXPECT_EQ(drawn.script.find("PLINE 19416,44350 "), std::string::npos);
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 21013,44350 21013,43934 "), 1);
  // Both crown callouts follow the back half's pitch and count at
  // 2400 - 100 - 1.5 × 350 (the front face's second pitch), tails 500 long.
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 18250,43775 18250,44575 16750,44575 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 21750,43775 21750,44575 23250,44575 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "text 16800,44700 125     0 W5 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "text 21800,44700 125     0 W5 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "text 22400,44575 125     0 D13 "), 1);
  // The back face's chains: 5 bars from 300 at 250, then 3 from 1300 + 300
  // at 300; the tail ends 1000 past 2500, where the bubble and its line start.
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 20455,43600 20455,43600 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 20455,44500 20455,45500 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "text 20455,45625 125     0 W3 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 20455,45500 21955,45500 "), 1);
}

TEST(WallFaceView, ThirdSegmentStartsOnePitchAboveTheSecond) {
  const Drawn drawn = DrawWith([](DesignData& d) {
    d.W4.pitch_count[3] = 2;
    d.W4.pitch[3] = 100;
  });
  // Segment 2 ends at 2350; segment 3 draws 2450 and 2550.
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 19000,44350 20000,44350 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 19000,44450 20000,44450 "), 1);
  EXPECT_EQ(CountScriptLines(drawn.script, "PLINE 19000,44550 20000,44550 "), 1);
}

}  // namespace
}  // namespace lwall
