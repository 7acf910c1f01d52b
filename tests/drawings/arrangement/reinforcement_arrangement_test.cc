// The whole arrangement drawing of the bundled example, checked against
// values worked out by hand from its design data.
#include "drawings/arrangement/reinforcement_arrangement.h"

#include <gtest/gtest.h>

#include <limits>

#include "drawings/arrangement/arrangement_test_util.h"
#include "driver/sheet.h"
#include "support/shift_jis_text.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::CountScriptLines;
using testing::TestSheet;
using testing::TextsOf;

// Example: t 300, T 500, K 1200, H 400, Hw 2000, covers 70/100/50/50/50/50, top 50.
class ExampleArrangement : public ::testing::Test {
 protected:
  void SetUp() override { DrawReinforcementArrangement(sheet.run()); }
  TestSheet sheet;
};

TEST_F(ExampleArrangement, SectionOutlineAndW2Bar) {
  const std::vector<std::string> lines = testing::SplitLines(sheet.script());
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0],
            "PLINE 11350,42000 11350,42400 10150,42400 10150,44400 10150,44400 10150,44400  "
            "9850,44400  9850,42400  9350,42400  9350,42000 11350,42000 ");
  // W2: leg 195 and straight 1805 from the wall bar rules, 83 above the bottom.
  EXPECT_EQ(CountScriptLines(sheet.script(), "PLINE 10095,42083  9900,42083  9900,43888 "), 1);
  EXPECT_EQ(CountScriptLines(sheet.script(), "qleader  9900,42986  7900,42986 "), 1);
  EXPECT_EQ(CountScriptLines(sheet.script(), "text  8500,42986 125     0 D13 "), 1);
  const auto d13 = TextsOf(sheet.dxf(), "D13");
  ASSERT_FALSE(d13.empty());
  EXPECT_EQ(d13[0].Get(8), "D-STR-HTXT");
  EXPECT_EQ(d13[0].Get(10), " 8500");
}

TEST_F(ExampleArrangement, DotsAndTies) {
  // The first F3 dot of segment 2 counts from the toe end: -600 + 400 + 250.
  EXPECT_EQ(CountScriptLines(sheet.script(), "donut 0 13 10050,42313 "), 1);
  EXPECT_EQ(CountScriptLines(sheet.script(), "donut 0 13 10550,42313 "), 1);
  // The S2 ties stand on those dots, from the heel end 250 and 750 apart.
  EXPECT_EQ(CountScriptLines(sheet.script(), "PLINE 11050,42300 11050,42070 "), 1);
  EXPECT_EQ(CountScriptLines(sheet.script(), "PLINE 10050,42300 10050,42070 "), 1);
  // Two S1 ties, at W4's second and fourth bar; the chain ends one pitch above.
  EXPECT_EQ(CountScriptLines(sheet.script(), "PLINE  9900,42800 10100,42800 "), 1);
  EXPECT_EQ(CountScriptLines(sheet.script(), "PLINE  9900,43300 10100,43300 "), 1);
  EXPECT_EQ(CountScriptLines(sheet.script(), "PLINE  9980,43800  9980,45400  8500,45400 "), 1);
}

TEST_F(ExampleArrangement, CoverDimensions) {
  const auto fifty = TextsOf(sheet.dxf(), "   50");
  ASSERT_GE(fifty.size(), 2u);
  // Front cover: centred on the wall face, 1725 + 10 + 20 high.
  EXPECT_EQ(fifty[0].Get(10), " 9538");
  EXPECT_EQ(fifty[0].Get(20), "43755");
  EXPECT_EQ(CountScriptLines(sheet.script(), "dimlinear  9850,43725  9900,43725 H  9850,43735 "),
            1);
  // The footing covers have no script command of their own.
  EXPECT_EQ(sheet.script().find("dimlinear 10675"), std::string::npos);
  EXPECT_EQ(
      CountScriptLines(sheet.script(), "PLINE 10675,42400 10665,42400 10665,42300 10675,42300 "),
      1);
}

TEST_F(ExampleArrangement, WallFaceOutlineAndLabels) {
  EXPECT_EQ(CountScriptLines(sheet.script(),
                             "PLINE 19000,42000 21000,42000 21000,44400 19000,44400 19000,42000 "),
            1);
  // Row 4 of the front chain joins its label; row 5 splits it 150 apart.
  const auto joined = TextsOf(sheet.dxf(), Sjis("4×250= 1000"));
  ASSERT_EQ(joined.size(), 2u);  // front and back face
  EXPECT_EQ(joined[1].Get(10), "23150");
  EXPECT_EQ(joined[0].Get(10), "16750");
  EXPECT_EQ(joined[0].Get(20), "42050");
  const auto count_part = TextsOf(sheet.dxf(), Sjis("3×350"));
  const auto total_part = TextsOf(sheet.dxf(), "= 1050");
  ASSERT_EQ(count_part.size(), 2u);  // front and back face
  ASSERT_EQ(total_part.size(), 2u);
  EXPECT_EQ(count_part[0].Get(10), "16600");
  EXPECT_EQ(total_part[0].Get(10), "16750");
  EXPECT_EQ(total_part[0].Get(20), "43513");
  // Bottom: the W2 spacing, script label with a paragraph break.
  EXPECT_NE(sheet.script().find(Sjis("dimlinear 20000,41800 19000,41800 M 4×250\\P= 1000\r\n"
                                     "20000,39800 \r\n")),
            std::string::npos);
  const auto w2_count = TextsOf(sheet.dxf(), Sjis("4×250"));
  ASSERT_FALSE(w2_count.empty());
  EXPECT_EQ(w2_count[0].Get(10), "19125");  // -500 - 6·62.5, "×" two bytes
  EXPECT_EQ(w2_count[0].Get(20), "40050");
}

TEST_F(ExampleArrangement, ScheduleRows) {
  for (int row : {kRowW3, kRowW4}) {
    const BarScheduleRow& r = sheet.run().schedule[row];
    EXPECT_EQ(r.mark, row == kRowW3 ? "W3" : "W4");
    EXPECT_EQ(r.shape_code, "5");
    EXPECT_EQ(r.diameter_text, "D13");
    EXPECT_EQ(r.count, 8);  // 4 + 1 + 3
    EXPECT_DOUBLE_EQ(r.length, 1000);
    EXPECT_DOUBLE_EQ(r.l1, 1000);
    EXPECT_DOUBLE_EQ(r.unit_mass, 0.995);
  }
  const BarScheduleRow& s1 = sheet.run().schedule[kRowS1];
  EXPECT_EQ(s1.mark, "S1");
  EXPECT_EQ(s1.shape_code, "6");
  EXPECT_EQ(s1.diameter_text, "D13");
  EXPECT_DOUBLE_EQ(s1.l2, 253);  // 200 + 14 + 13 + 13 + 13
  EXPECT_DOUBLE_EQ(s1.length, 460);
  EXPECT_DOUBLE_EQ(s1.l1, 104);
  EXPECT_EQ(s1.count, 4);  // one mark in each of four columns
  EXPECT_EQ(sheet.run().design.s1_diameter, 13);
  EXPECT_EQ(sheet.run().design.s2_diameter, 13);
}

TEST(ArrangementSheet, WholeSheetStaysWellFormed) {
  OutputStream dxf;
  OutputStream script;
  std::string message;
  ASSERT_EQ(
      DrawSheet(testing::ExampleDesignText(), testing::ExampleLayerText(), dxf, script, message),
      kExitOk);
  const std::vector<std::string> lines = testing::SplitLines(dxf.contents());
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
            (std::vector<std::string>{"0", "ENDSEC", "0", "EOF"}));
  EXPECT_EQ(dxf.contents().find("nan"), std::string::npos);
  EXPECT_EQ(script.contents().find("inf"), std::string::npos);
}

TEST(ArrangementSheet, EmptyDesignDrawsWithoutNonFiniteNumbers) {
  TestSheet sheet(false);
  DrawReinforcementArrangement(sheet.run());
  for (const std::string* out : {&sheet.dxf(), &sheet.script()}) {
    EXPECT_EQ(out->find("nan"), std::string::npos);
    EXPECT_EQ(out->find("inf"), std::string::npos);
  }
  EXPECT_EQ(sheet.run().schedule[kRowS1].count, 0);
}

// Damaged data: the most negative counts and diameters (no loop runs, but
// every count + 1 or - 1 must not overflow) and pitches near the largest double.
TEST(ArrangementSheet, ExtremeDesignValuesStayDefined) {
  TestSheet sheet;
  DesignData& d = sheet.design();
  for (BarArrangement* bar : {&d.F1, &d.F2, &d.F3, &d.F4, &d.W1, &d.W2, &d.W3, &d.W4, &d.W5}) {
    bar->segment_count = std::numeric_limits<int>::min();
    for (int i = 1; i <= 5; ++i) {
      bar->diameter[i] = std::numeric_limits<int>::min();
      bar->pitch[i] = 1e308;
      bar->pitch_count[i] = std::numeric_limits<int>::min();
    }
  }
  DrawReinforcementArrangement(sheet.run());
  for (const std::string* out : {&sheet.dxf(), &sheet.script()}) {
    EXPECT_EQ(out->find("nan"), std::string::npos);
    EXPECT_EQ(out->find("inf"), std::string::npos);
  }
}

}  // namespace
}  // namespace lwall
