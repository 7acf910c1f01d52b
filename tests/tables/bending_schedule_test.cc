#include "tables/bending_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::ParseEntities;
using testing::SplitLines;
using testing::TestSheet;

// The script text commands of row i (baseline 500 * i below the origin).
std::vector<std::string> RowTexts(const std::string& script, int i) {
  const std::string y = "," + std::to_string(43000 - 500 * i) + " ";
  std::vector<std::string> texts;
  for (const std::string& line : SplitLines(script)) {
    if (line.starts_with("text ") && line.find(y) == 10) texts.push_back(line);
  }
  return texts;
}

TEST(BendingSchedule, PrintsEveryRowAndLeavesL3EmptyWhenItEqualsL1) {
  TestSheet sheet;
  BarSchedule& schedule = sheet.run().schedule;
  schedule[kRowF2] = {"F2", "2", "D13", 5, 2000.4, 300, 1500, 300, 0.995};
  schedule[kRowS2] = {"S2", "3", "D13", 12, 123456.6, 250, 400, 0, 0.995};
  DrawBendingSchedule(sheet.run(), ComputeScheduleTables(schedule, sheet.design()).bars);
  const std::string& script = sheet.script();

  EXPECT_EQ(RowTexts(script, 7), (std::vector<std::string>{
                                     "text 26550,39500 125     0 F2 ",
                                     "text 27350,39500 125     0 2 ",
                                     "text 28550,39500 125     0 D13 ",
                                     "text 29750,39500 125     0 5 ",
                                     "text 30550,39500 125     0  2000 ",
                                     "text 31950,39500 125     0   300 ",
                                     "text 33350,39500 125     0  1500 ",
                                 }));
  const std::vector<std::string> s2 = RowTexts(script, 11);
  ASSERT_EQ(s2.size(), 8u);
  EXPECT_EQ(s2[4], "text 30550,37500 125     0 123457 ");
  EXPECT_EQ(s2[7], "text 34750,37500 125     0     0 ");
  // A row no view filled: empty texts, zero count and lengths, no L3.
  EXPECT_EQ(RowTexts(script, 3), (std::vector<std::string>{
                                     "text 26550,41500 125     0  ",
                                     "text 27350,41500 125     0  ",
                                     "text 28550,41500 125     0  ",
                                     "text 29750,41500 125     0 0 ",
                                     "text 30550,41500 125     0     0 ",
                                     "text 31950,41500 125     0     0 ",
                                     "text 33350,41500 125     0     0 ",
                                 }));

  int frame_lines = 0;
  for (const auto& e : ParseEntities(sheet.dxf())) {
    frame_lines += e.Get(8) == "D-MTR-FRAM";
    // Only the L1 header is small.
    if (e.Get(1) == Sjis("Ｌ１")) {
      EXPECT_EQ(e.Number(40), 125);
    } else if (e.Get(1) == Sjis("Ｌ２") || e.Get(1) == Sjis("Ｌ３")) {
      EXPECT_EQ(e.Number(40), 200);
    }
  }
  EXPECT_EQ(frame_lines, 3 + 16 + 9);  // legend panel, rows, columns
}

}  // namespace
}  // namespace lwall
