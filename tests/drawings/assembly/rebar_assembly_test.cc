#include "drawings/assembly/rebar_assembly.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "drawings/assembly/assembly_test_support.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::ParseEntities;
using testing::ParseFileEntities;
using testing::ReadFileText;
using testing::SplitLines;
using testing::TestSheet;

TEST(RebarAssemblyDrawing, FrameThenTitleThenTheFirstBar) {
  TestSheet sheet;
  sheet.design().s2_diameter = 13;
  DrawRebarAssemblyDrawing(sheet.run());
  const auto lines = SplitLines(sheet.script());
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "PLINE  4000,24000  4000,51500 44000,51500 44000,24000  4000,24000 ");
  // The title is a DXF text only, so the W2 bar follows the frame in the script.
  EXPECT_EQ(lines[1], "PLINE 20095,31070 19900,31070 19900,32875 ");
  const auto entities = ParseEntities(sheet.dxf());
  ASSERT_GE(entities.size(), 5u);
  EXPECT_EQ(entities[0].Get(8), "D-TTL-FRAM");
  const auto& title = entities[4];  // after the frame's four lines
  EXPECT_EQ(title.Get(1), Sjis("鉄 筋 組 立 図"));
  EXPECT_EQ(title.Get(10) + "," + title.Get(11) + "," + title.Get(20), "18650,19150,34900");
  EXPECT_EQ(sheet.run().context.layer, "D-STR-DIM");
}

}  // namespace
}  // namespace lwall
