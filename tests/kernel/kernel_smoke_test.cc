#include <gtest/gtest.h>

#include "kernel/primitives.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::ParseEntities;
using testing::TestSheet;

TEST(KernelSmoke, PolylineAtOriginWritesScriptAndOneLine) {
  TestSheet sheet;
  SetOrigin(sheet.run(), 10000, 42000);
  SelectLayer(sheet.run(), "D-STR");
  DrawPolyline(sheet.run(), {{0, 0}, {100, 0}});
  EXPECT_EQ(sheet.script(), "PLINE 10000,42000 10100,42000 \r\n");
  const auto entities = ParseEntities(sheet.dxf());
  ASSERT_EQ(entities.size(), 1u);
  EXPECT_EQ(entities[0].type, "LINE");
  EXPECT_EQ(entities[0].Get(8), "D-STR");
  EXPECT_EQ(entities[0].Get(62), "7");
  EXPECT_EQ(entities[0].Get(11), "10100");
}

}  // namespace
}  // namespace lwall
