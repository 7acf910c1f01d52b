#include "drawings/assembly/footing_plan_dimensions.h"

#include <gtest/gtest.h>

#include "drawings/assembly/assembly_test_support.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::ParseEntities;
using testing::ScriptLinesStartingWith;
using testing::TestSheet;

// "x,y" of the first label reading `text` ("" when there is none).
std::string LabelAt(const std::string& dxf, const std::string& text) {
  for (const auto& e : ParseEntities(dxf)) {
    if (e.type == "TEXT" && e.Get(1) == text) return e.Get(10) + "," + e.Get(20);
  }
  return "";
}

// "x,y" of every label reading `text`, in drawing order.
std::vector<std::string> LabelsAt(const std::string& dxf, const std::string& text) {
  std::vector<std::string> result;
  for (const auto& e : ParseEntities(dxf)) {
    if (e.type == "TEXT" && e.Get(1) == text) result.push_back(e.Get(10) + "," + e.Get(20));
  }
  return result;
}

TEST(FootingPlanDimensions, OnlyTheFirstLabelLacksTheKanjiStyle) {
  TestSheet sheet;
  DrawFootingPlanOutlineAndDimensions(sheet.run());
  std::vector<std::string> styles;
  for (const auto& e : ParseEntities(sheet.dxf())) {
    if (e.type == "TEXT") styles.push_back(e.Get(7));
  }
  ASSERT_GT(styles.size(), 2u);
  EXPECT_EQ(styles[0], "");  // the overall length
  for (std::size_t i = 1; i < styles.size(); ++i) EXPECT_EQ(styles[i], "KANJI") << i;
  EXPECT_EQ(sheet.run().dimension_text_style, "KANJI");
}

TEST(FootingPlanDimensions, SpacingLabelsAreCentredByTheirEncodedLength) {
  TestSheet sheet;  // F1 and F2: 4 x 250 from the reference line
  DrawFootingPlanOutlineAndDimensions(sheet.run());
  // "4×250" is six bytes: centred on y = 500 it starts 375 lower. The plan's
  // right edge is at 1350, the dimension line 2100 beyond it.
  EXPECT_EQ(LabelAt(sheet.dxf(), Sjis("4×250")), "13250,32125");
  EXPECT_EQ(LabelAt(sheet.dxf(), "=  1000"), "13400,32063");  // 500 - 7 x 62.5
  // Both spacing commands break their text with "\P"; F2's measures downwards.
  const auto m = ScriptLinesStartingWith(sheet.script(), "dimlinear 11450,32000");
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0], Sjis("dimlinear 11450,32000 11450,33000 M 4×250 \\P=  1000"));
  EXPECT_EQ(m[1], Sjis("dimlinear 11450,32000 11450,31000 M 4×250 \\P=  1000"));
}

TEST(FootingPlanDimensions, TopAndBottomChainsPlaceTheirTwoLabelsDifferently) {
  TestSheet sheet;  // first segment of F3 and F4: 2 x 200 from x = -600 to -200
  DrawFootingPlanOutlineAndDimensions(sheet.run());
  // "2×200" is six bytes, centred on -400: top at yd + 200, bottom at yd + 250.
  EXPECT_EQ(LabelsAt(sheet.dxf(), Sjis("2×200")),
            (std::vector<std::string>{" 9225,35300", " 9225,29150"}));
  // The top length has a blank after "=" (seven bytes) and stands at yd + 50;
  // the bottom one has none (six bytes), also at yd + 50.
  EXPECT_EQ(LabelsAt(sheet.dxf(), "=   400"), (std::vector<std::string>{" 9163,35150"}));
  EXPECT_EQ(LabelsAt(sheet.dxf(), "=  400"), (std::vector<std::string>{" 9225,28950"}));
  // Left covers: the top one centred on the slab edge at yd + 50, the bottom
  // one centred on the end of the cover at yd - 150; then the right covers.
  EXPECT_EQ(LabelsAt(sheet.dxf(), "   50"),
            (std::vector<std::string>{" 9038,35150", "11038,35150", " 9088,28750", "11013,28950"}));
}

TEST(FootingPlanDimensions, OnePitchCrossBarsGetTheirLengthBesideTheLine) {
  TestSheet sheet;
  sheet.design().F1.pitch_count[1] = 1;
  sheet.design().F2.pitch_count[1] = 1;
  DrawFootingPlanOutlineAndDimensions(sheet.run());
  // The dimension line is at x = 3450: F1's label 300 right of it, F2's 350
  // left, each centred on its half pitch (125 up, 125 down).
  EXPECT_EQ(LabelsAt(sheet.dxf(), "  250"),
            (std::vector<std::string>{"13750,31813", "13100,31563"}));
  EXPECT_TRUE(LabelsAt(sheet.dxf(), Sjis("1×250")).empty());
}

TEST(FootingPlanDimensions, OnePitchSegmentsGetTheirLengthAlone) {
  TestSheet sheet;
  DesignData& d = sheet.design();
  d.F3 = {1, {0, 13}, {0, 250}, {0, 1}};
  d.F4 = d.F3;
  DrawFootingPlanOutlineAndDimensions(sheet.run());
  // The segment runs from x = -600 to -350. Top: "  250" at yd + 50; bottom:
  // "   250" (one blank more) at yd + 350.
  EXPECT_EQ(LabelAt(sheet.dxf(), "  250"), " 9213,35150");
  EXPECT_EQ(LabelAt(sheet.dxf(), "   250"), " 9150,29250");
  EXPECT_EQ(ScriptLinesStartingWith(sheet.script(),
                                    Sjis("dimlinear  9400,33100  9650,33100 M 1×250 \\P=   250 "))
                .size(),
            1u);
}

TEST(FootingPlanDimensions, SegmentCountsOutsideOneToFive) {
  // Without segments the chains are empty, the widths and covers remain:
  // the overall length, F1, F2 and three dimensions along each edge.
  TestSheet empty;
  empty.design().F3.segment_count = 0;
  empty.design().F4.segment_count = 0;
  DrawFootingPlanOutlineAndDimensions(empty.run());
  EXPECT_EQ(ScriptLinesStartingWith(empty.script(), "dimlinear").size(), 9u);

  // A count above five walks the five segments there are.
  auto draw = [](int segment_count) {
    TestSheet sheet;
    for (BarArrangement* bars : {&sheet.design().F3, &sheet.design().F4}) {
      *bars = {
          segment_count, {0, 13, 13, 13, 13, 13}, {0, 100, 200, 300, 400, 500}, {0, 1, 2, 3, 4, 5}};
    }
    DrawFootingPlanOutlineAndDimensions(sheet.run());
    return sheet.script();
  };
  const std::string six = draw(6);
  EXPECT_EQ(six, draw(5));
  EXPECT_EQ(ScriptLinesStartingWith(six, "dimlinear").size(), 19u);
}

}  // namespace
}  // namespace lwall
