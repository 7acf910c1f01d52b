#include "drawings/assembly/footing_plan_dimensions.h"

#include <gtest/gtest.h>

#include "drawings/assembly/assembly_test_support.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::DxfEntity;
using testing::ParseEntities;
using testing::ScriptLinesStartingWith;
using testing::TestSheet;

// The labels of the dimensions: aligned texts (the only TEXT records with a style).
std::vector<DxfEntity> Labels(const std::string& dxf) {
  std::vector<DxfEntity> labels;
  for (const DxfEntity& e : ParseEntities(dxf)) {
    if (e.type == "TEXT") labels.push_back(e);
  }
  return labels;
}

const DxfEntity* LabelWithText(const std::vector<DxfEntity>& labels, const std::string& text) {
  for (const DxfEntity& e : labels) {
    if (e.Get(1) == text) return &e;
  }
  return nullptr;
}

TEST(FootingPlanDimensions, OnlyTheFirstLabelLacksTheKanjiStyle) {
  TestSheet sheet;
  DrawFootingPlanOutlineAndDimensions(sheet.run());
  const auto labels = Labels(sheet.dxf());
  ASSERT_GT(labels.size(), 2u);
  EXPECT_EQ(labels[0].Get(1), " 2000");  // overall length, Ll + Lr
  EXPECT_EQ(labels[0].Get(7), "");
  for (std::size_t i = 1; i < labels.size(); ++i) EXPECT_EQ(labels[i].Get(7), "KANJI") << i;
  EXPECT_EQ(sheet.run().dimension_text_style, "KANJI");
}

TEST(FootingPlanDimensions, SpacingLabelsAreCentredByTheirEncodedLength) {
  TestSheet sheet;  // F1 and F2: 4 x 250 from the reference line
  DrawFootingPlanOutlineAndDimensions(sheet.run());
  const auto labels = Labels(sheet.dxf());
  // "4×250" is six bytes: centred on y = 500 it starts 375 lower. The plan's
  // right edge is at 1350, the dimension line 2100 beyond it.
  const DxfEntity* count = LabelWithText(labels, "4×250");
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->Get(10), "13250");
  EXPECT_EQ(count->Get(20), "32125");
  const DxfEntity* total = LabelWithText(labels, "=  1000");
  ASSERT_NE(total, nullptr);
  EXPECT_EQ(total->Get(20), "32063");  // 500 - 7 x 62.5, half rounded up
  // Both spacing commands break their text with "\P"; F2's measures downwards.
  const auto m = ScriptLinesStartingWith(sheet.script(), "dimlinear 11450,32000");
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0], "dimlinear 11450,32000 11450,33000 M 4×250 \\P=  1000");
  EXPECT_EQ(m[1], "dimlinear 11450,32000 11450,31000 M 4×250 \\P=  1000");
}

TEST(FootingPlanDimensions, OnePitchSegmentsGetTheirLengthAlone) {
  TestSheet sheet;
  DesignData& d = sheet.design();
  d.F3.segment_count = 1;
  d.F3.pitch_count[1] = 1;
  d.F3.pitch[1] = 250;
  d.F4 = d.F3;
  DrawFootingPlanOutlineAndDimensions(sheet.run());
  const auto labels = Labels(sheet.dxf());
  // Top: "  250" at yd + 50; bottom: " " + "  250" at yd + 350. The segment
  // runs from x = -600 to -350, so the labels centre on -475.
  const DxfEntity* top = LabelWithText(labels, "  250");
  const DxfEntity* bottom = LabelWithText(labels, "   250");
  ASSERT_NE(top, nullptr);
  ASSERT_NE(bottom, nullptr);
  EXPECT_EQ(top->Get(10), " 9213");
  EXPECT_EQ(top->Get(20), "35150");
  EXPECT_EQ(bottom->Get(10), " 9150");
  EXPECT_EQ(bottom->Get(20), "29250");
  EXPECT_EQ(ScriptLinesStartingWith(sheet.script(),
                                    "dimlinear  9400,33100  9650,33100 M 1×250 "
                                    "\\P=   250 ")
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
      bars->segment_count = segment_count;
      for (int k = 1; k <= 5; ++k) {
        bars->pitch_count[k] = k;
        bars->pitch[k] = 100 * k;
      }
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
