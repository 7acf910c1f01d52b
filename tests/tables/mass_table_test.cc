#include "tables/mass_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::SplitLines;
using testing::TestSheet;

TEST(MassTable, SumsPrintedRowMassesByExactDiameterText) {
  TestSheet sheet;
  BarSchedule& schedule = sheet.run().schedule;
  schedule[kRowW1] = {"W1", "1", "D13", 7, 1234, 0, 0, 0, 0.995};
  schedule[kRowW2] = {"W2", "1", " D13", 2, 1000, 0, 0, 0, 0.995};
  schedule[kRowW3] = {"W3", "5", "D10", 1, 1000, 0, 0, 0, 0.56};
  schedule[kRowW4] = {"W4", "5", "D16", 3, 2000, 0, 0, 0, 1.56};
  schedule[kRowW5] = {"W5", "6", "D16", 2, 1000, 0, 0, 0, 1.56};
  schedule[kRowF1] = {"F1", "4", "D19", 0, 1500, 0, 0, 0, 2.25};
  schedule[kRowF2] = {"F2", "2", "d22", 1, 1000, 0, 0, 0, 3.04};
  const ScheduleTables tables = ComputeScheduleTables(schedule, sheet.design());
  const RebarMassTotals& totals = tables.totals;
  DrawMassTable(sheet.run(), tables.bars);

  // One W1 bar weighs 1.22783 kg; the total uses the printed 1.228.
  const std::string& script = sheet.script();
  EXPECT_NE(script.find("text 31850,32500 125     0 1.228 "), std::string::npos);
  EXPECT_NE(script.find("text 33450,32500 125     0 8.596 "), std::string::npos);
  EXPECT_DOUBLE_EQ(totals.mass[0], 1.228 * 7);  // " D13" is not D13
  EXPECT_DOUBLE_EQ(totals.mass[1], 9.36 + 3.12);
  EXPECT_EQ(totals.mass[2], 0.0);
  EXPECT_TRUE(totals.used[2]);  // a D19 row of no bars still uses D19
  EXPECT_FALSE(totals.used[3]);
  EXPECT_EQ(totals.diameter_count(), 3);
  EXPECT_DOUBLE_EQ(totals.total_mass, 8.596 + 1.99 + 0.56 + 9.36 + 3.12 + 3.04);
  EXPECT_NE(script.find("text 33450,30000 125     0 0.000 "), std::string::npos);

  EXPECT_EQ(sheet.run().context.layer, "D-STR-STR1");
}

TEST(MassTable, RemarksSketchesStandAtTheirSheetPointsInRowOrder) {
  TestSheet sheet;
  DrawMassTable(sheet.run(), ComputeScheduleTables(sheet.run().schedule, sheet.design()).bars);
  const auto lines = SplitLines(sheet.script());
  ASSERT_GE(lines.size(), 11u);
  // W3, W4 and the F1 crank sit higher in their cells; the crank is at half
  // size, the U bars at 0.4.
  EXPECT_EQ(std::vector<std::string>(lines.end() - 11, lines.end()),
            (std::vector<std::string>{
                "PLINE 35000,32900 35000,32500 35200,32500 ",
                "PLINE 35000,32400 35000,32000 35200,32000 ",
                "PLINE 35000,31700 35600,31700 ",
                "PLINE 35000,31150 35600,31150 ",
                "PLINE 35000,30500 35000,30820 35600,30820 35600,30500 ",
                "PLINE 35000,30400 35000,30200 35600,30200 35600,29975 ",
                "PLINE 35000,29820 35000,29500 35600,29500 35600,29820 ",
                "PLINE 35000,29000 35600,29000 ",
                "PLINE 35000,28500 35600,28500 ",
                "PLINE 35000,28000 35000,28320 35600,28320 35600,28000 ",
                "PLINE 35320,27500 35000,27500 35000,27820 35600,27820 35600,27500 35400,27500 ",
            }));
}

}  // namespace
}  // namespace lwall
