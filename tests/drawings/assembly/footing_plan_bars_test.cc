#include "drawings/assembly/footing_plan_bars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>

#include "drawings/assembly/assembly_test_support.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::ScriptLinesStartingWith;
using testing::ScriptPolylines;
using testing::SplitLines;
using testing::TestSheet;

constexpr Point kOrigin = {10000, 32000};

// A tie as drawn: the x of its run and the y range it covers.
struct Tie {
  double x, bottom, top;
  friend bool operator==(const Tie&, const Tie&) = default;
};

// The example's plan with the tie arrangement of a test: F1 at `pitch` over
// 2000, F3 in two segments of `count` bars at 250.
class FootingPlanBarsTest : public ::testing::Test {
 protected:
  void Arrange(double pitch, int f3_count) {
    DesignData& d = sheet->design();
    d.s2_diameter = 13;
    d.F1.pitch[1] = pitch;
    // Pitches that cover 2000 in no whole number of bars (0, tiny, infinite) get none.
    const double bars = 2000 / pitch;
    d.F1.pitch_count[1] = bars >= 1 && bars < 1e6 ? static_cast<int>(bars) : 0;
    d.F1.pitch_count[2] = 0;
    d.F1.pitch_count[3] = 0;
    d.F3.segment_count = 2;
    d.F3.pitch_count = {0, f3_count, f3_count, 0, 0, 0};
    d.F3.pitch = {0, 250, 250, 0, 0, 0};
  }
  // The ties are the polylines with a 50 by 50 hook pointing to +x at both ends.
  std::vector<Tie> DrawTies() {
    DrawFootingPlanBars(sheet->run());
    std::vector<Tie> ties;
    for (const auto& p : ScriptPolylines(sheet->script(), kOrigin)) {
      if (p.size() == 4 && p[0].x == p[1].x + 50 && p[0].y == p[1].y - 50 &&
          p[3].x == p[2].x + 50) {
        ties.push_back({p[1].x, p[1].y, p[2].y});
      }
    }
    return ties;
  }
  // Replaced by a fresh sheet for each case of a loop.
  std::optional<TestSheet> sheet{std::in_place};
};

// Columns at every second F3 bar from the heel edge (1300 - 13 - i x 250);
// columns 1 and 5 start one tie higher.
const std::vector<Tie> kStaggeredTies = {{1037, 500, 1000}, {1037, 1500, 2000}, {537, 0, 500},
                                         {537, 1000, 1500}, {37, 500, 1000},    {37, 1500, 2000},
                                         {-463, 0, 500},    {-463, 1000, 1500}};

TEST_F(FootingPlanBarsTest, TiesOf500AtF1PitchesOf250And125) {
  for (double pitch : {250.0, 125.0}) {
    SCOPED_TRACE(pitch);
    sheet.emplace();
    Arrange(pitch, 4);
    EXPECT_EQ(DrawTies(), kStaggeredTies);
    EXPECT_EQ(sheet->design().s2_count, 8);
    const BarScheduleRow& s2 = sheet->run().schedule[kRowS2];
    EXPECT_EQ(s2.count, 8);
    EXPECT_EQ(s2.diameter_text, "D13");
    EXPECT_DOUBLE_EQ(s2.l3, 526);  // 500 + D13 of F1 + 13
  }
}

TEST_F(FootingPlanBarsTest, OtherPitchesTieOverTheWholePitchesReaching500) {
  Arrange(200, 4);  // three pitches: ties of 600, two slots per column
  EXPECT_EQ(DrawTies(), (std::vector<Tie>{{1037, 600, 1200},
                                          {537, 0, 600},
                                          {537, 1200, 1800},
                                          {37, 600, 1200},
                                          {-463, 0, 600},
                                          {-463, 1200, 1800}}));
  EXPECT_DOUBLE_EQ(sheet->run().schedule[kRowS2].l3, 626);
}

TEST_F(FootingPlanBarsTest, NoTiesWithoutAUsablePitchOrAPairOfBars) {
  for (auto [pitch, f3_count] :
       {std::pair{250.0, 0}, {0.0, 4}, {-250.0, 4}, {1e-320, 4}, {HUGE_VAL, 4}}) {
    SCOPED_TRACE(pitch);
    sheet.emplace();
    Arrange(pitch, f3_count);
    sheet->design().F1.pitch_count[1] = 8;
    // N = 0 + 1 when F3 has one segment of one bar.
    if (f3_count == 0) sheet->design().F3 = {1, {0, 13}, {0, 250}, {0, 1}};
    EXPECT_TRUE(DrawTies().empty());
    EXPECT_EQ(sheet->design().s2_count, 0);
    EXPECT_EQ(sheet->run().schedule[kRowS2].count, 0);
    EXPECT_DOUBLE_EQ(sheet->run().schedule[kRowS2].l3, pitch == 250 ? 526 : 0);
    // The callout is drawn all the same, from the plan's origin.
    EXPECT_EQ(ScriptLinesStartingWith(sheet->script(), "qleader 10000,32000 10500,33000 ").size(),
              1u);
  }
}

TEST_F(FootingPlanBarsTest, StaggerStopsAfterColumn17) {
  Arrange(250, 11);  // 22 bars: columns 1 .. 21
  sheet->design().F3.pitch[2] = 50;
  const auto ties = DrawTies();
  auto first_tie_of_column = [&](int i) {
    for (const Tie& t : ties) {
      if (t.x == 1300 - 13 - 50 * i) return t.bottom;
    }
    return -1.0;
  };
  EXPECT_EQ(first_tie_of_column(13), 500);
  EXPECT_EQ(first_tie_of_column(15), 0);
  EXPECT_EQ(first_tie_of_column(17), 500);
  EXPECT_EQ(first_tie_of_column(19), 0);
  EXPECT_EQ(first_tie_of_column(21), 0);
}

TEST_F(FootingPlanBarsTest, LongitudinalBarRows) {
  DesignData& d = sheet->design();
  d.F3.diameter = {0, 13, 16, 16, 0, 0};
  d.F4.pitch_count[5] = 7;  // beyond its three segments, but still counted
  DrawFootingPlanBars(sheet->run());
  const BarScheduleRow& f3 = sheet->run().schedule[kRowF3];
  EXPECT_EQ(f3.count, 2 + 4);  // second and third segments only
  EXPECT_EQ(f3.diameter_text, "D13");
  EXPECT_DOUBLE_EQ(f3.unit_mass, 1.56);  // of the second segment's D16
  EXPECT_DOUBLE_EQ(f3.length, 1000);
  EXPECT_EQ(sheet->run().schedule[kRowF4].count, 2 + 2 + 4 + 7 + 1);
}

TEST_F(FootingPlanBarsTest, F4CalloutFollowsTheLastChainDrawn) {
  // F4 at 200, 250, 250 from x = -600, ticks at y = 175 - 600. The chain over
  // the third segment ends 1000 past its fifth tick at 1550; without third
  // segment bars the second chain ends there, one segment earlier.
  DrawFootingPlanBars(sheet->run());
  EXPECT_EQ(ScriptLinesStartingWith(sheet->script(), "text 12000,31700 125     0 F4 ").size(), 1u);
  TestSheet two_chains;
  two_chains.design().F4.pitch_count[3] = 0;
  DrawFootingPlanBars(two_chains.run());
  EXPECT_EQ(ScriptLinesStartingWith(two_chains.script(), "text 11000,31700 125     0 F4 ").size(),
            1u);
}

TEST_F(FootingPlanBarsTest, CalloutsOfTheExamplePlan) {
  DesignData& d = sheet->design();
  d.s2_diameter = 13;
  // F3 in 2 x 200, 2 x 250, 4 x 250: ties over the last two segments, N = 6,
  // columns 1, 3 and 5, one tie each below the 1000 of F1.
  EXPECT_EQ(DrawTies(), (std::vector<Tie>{{1037, 500, 1000}, {537, 0, 500}, {37, 500, 1000}}));
  EXPECT_EQ(d.s2_count, 3);
  const std::string& script = sheet->script();
  // S2 from the middle of the first column's first tie.
  EXPECT_EQ(ScriptLinesStartingWith(script, "qleader 11037,32750 11537,33750 ").size(), 1u);
  // F3: the chain over the second segment runs left from x = 300 and ends 500
  // beyond its last tick; the leader drops 2500 and runs 1500 left.
  EXPECT_EQ(ScriptLinesStartingWith(script, "PLINE  9300,32375  9300,29875  7800,29875 ").size(),
            1u);
  // F1 and F2: chains up from (800, 250) and down from (650, -250), 1000
  // beyond the fourth bar; the bubbles stand t/2 + K - 50 further right,
  // the lines out to them end t/2 + K + 1200 right of the chain.
  EXPECT_EQ(ScriptLinesStartingWith(script, "text 12100,34375 125     0 F1 ").size(), 1u);
  EXPECT_EQ(ScriptLinesStartingWith(script, "PLINE 10800,34250 13350,34250 ").size(), 1u);
  EXPECT_EQ(ScriptLinesStartingWith(script, "text 11950,29875 125     0 F2 ").size(), 1u);
  EXPECT_EQ(ScriptLinesStartingWith(script, "PLINE 10650,29750 13200,29750 ").size(), 1u);
  // The back face line closes the plan.
  EXPECT_EQ(SplitLines(script).back(), "PLINE 10150,32000 10150,33000 ");
}

TEST_F(FootingPlanBarsTest, TieLengthsOfTheSchedule) {
  // l2 = 543 - 100 - 70 + (16 + 13) div 2 + 13 = 400: the half is whole.
  DesignData& d = sheet->design();
  d.footing_thickness = 543;
  d.F1.diameter[1] = 16;
  d.F3.diameter[1] = 13;
  DrawFootingPlanBars(sheet->run());
  const BarScheduleRow& s2 = sheet->run().schedule[kRowS2];
  EXPECT_DOUBLE_EQ(s2.l2, 400);
  EXPECT_DOUBLE_EQ(s2.l3, 529);
  EXPECT_DOUBLE_EQ(s2.length, 1530);
  EXPECT_DOUBLE_EQ(s2.l1, 101);
}

}  // namespace
}  // namespace lwall
