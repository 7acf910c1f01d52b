#include "tables/materials_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::DxfEntity;
using testing::ParseEntities;
using testing::TestSheet;

class MaterialsTable : public ::testing::Test {
 protected:
  MaterialsTable() {
    DesignData& d = sheet_.design();
    d.wall_thickness = 300;
    d.wall_height = 2000;
    d.toe_width = 500;
    d.heel_width = 1200;
    d.footing_thickness = 400;
  }

  void Draw() {
    DrawMaterialsTable(sheet_.run(), ComputeMaterialsCells(sheet_.design(), totals_));
    entities_ = ParseEntities(sheet_.dxf());
  }

  // The texts at a point of the table (origin (36500, 36000)), joined by "|".
  std::string TextsAt(double x, double y) const {
    std::string texts;
    for (const DxfEntity& e : entities_) {
      if (e.type == "TEXT" && e.Number(10) == 36500 + x && e.Number(20) == 36000 + y) {
        texts += (texts.empty() ? "" : "|") + e.Get(1);
      }
    }
    return texts;
  }

  // The lowest frame line.
  double Bottom() const {
    double bottom = 0;
    for (const DxfEntity& e : entities_) {
      if (e.Get(8) != "D-MTR-FRAM") continue;
      bottom = std::min({bottom, e.Number(20) - 36000, e.Number(21) - 36000});
    }
    return bottom;
  }

  TestSheet sheet_;
  RebarMassTotals totals_;
  std::vector<DxfEntity> entities_;
};

TEST_F(MaterialsTable, ConcreteFormworkAndBaseMaterialsOfTheWall) {
  totals_.AddRow("D13", 8.596);
  Draw();
  EXPECT_EQ(TextsAt(4050, -500), "0.600");
  EXPECT_EQ(TextsAt(4050, -1000), "0.800");
  EXPECT_EQ(TextsAt(4050, -1500), "1.400");
  EXPECT_EQ(TextsAt(4050, -2000), "4.000");
  EXPECT_EQ(TextsAt(4050, -2500), "0.800");
  EXPECT_EQ(TextsAt(5350, -3000), "1.400");  // end formwork, a remark only
  EXPECT_EQ(TextsAt(4050, -3500), "4.800");
  EXPECT_EQ(TextsAt(4050, -6000), "  2.2");
  EXPECT_EQ(TextsAt(4050, -6500), "  2.2");

  // One diameter: three steel rows all the same, the unused two empty.
  EXPECT_EQ(TextsAt(2000, -5000), "D13");
  EXPECT_EQ(TextsAt(4050, -5000), "8.596");
  EXPECT_EQ(TextsAt(2000, -4500), "");
  EXPECT_EQ(TextsAt(4050, -4500), "0.000");
  EXPECT_EQ(TextsAt(4050, -4000), "0.000");
  EXPECT_EQ(TextsAt(4050, -5500), "8.596");
  EXPECT_EQ(Bottom(), -6600);
}

TEST_F(MaterialsTable, FiveDiametersMoveTheLowerRowsDown) {
  totals_.AddRow("D25", 4.0);
  totals_.AddRow("D13", 1.0);
  totals_.AddRow("D22", 0.0);  // used by a row of no bars: counted, not listed
  totals_.AddRow("D19", 3.0);
  totals_.AddRow("D16", 2.0);
  Draw();
  EXPECT_EQ(TextsAt(2000, -6000), "D13");  // the smallest just above the total
  EXPECT_EQ(TextsAt(2000, -5500), "D16");
  EXPECT_EQ(TextsAt(2000, -5000), "D19");
  EXPECT_EQ(TextsAt(2000, -4500), "D25");
  EXPECT_EQ(TextsAt(4050, -4500), "4.000");
  EXPECT_EQ(TextsAt(2000, -4000), "");
  EXPECT_EQ(TextsAt(4050, -4000), "0.000");
  EXPECT_EQ(TextsAt(4050, -6500), "10.000");
  EXPECT_EQ(TextsAt(4050, -7000), "  2.2");
  EXPECT_EQ(TextsAt(4050, -7500), "  2.2");
  EXPECT_EQ(TextsAt(200, -4500), Sjis("鉄　筋"));
  EXPECT_EQ(TextsAt(200, -7100), Sjis("基礎材"));
  EXPECT_EQ(Bottom(), -7600);
}

// Frame lines in drawing order, as "x1,y1-x2,y2" relative to the origin.
TEST_F(MaterialsTable, FrameLinesAndSteelRowAlignmentWithThreeRows) {
  totals_.AddRow("D16", 2.0);
  totals_.AddRow("D13", 1.0);
  Draw();
  std::vector<std::string> frame;
  for (const DxfEntity& e : entities_) {
    if (e.type != "LINE" || e.Get(8) != "D-MTR-FRAM") continue;
    const auto at = [&](int code, double origin) {
      return std::to_string(static_cast<int>(e.Number(code) - origin));
    };
    frame.push_back(at(10, 36500) + "," + at(20, 36000) + "-" + at(11, 36500) + "," +
                    at(21, 36000));
  }
  EXPECT_EQ(frame, (std::vector<std::string>{
                       // full width
                       "0,400-6600,400", "0,-100-6600,-100", "0,-1600-6600,-1600",
                       "0,-3600-6600,-3600", "0,-5600-6600,-5600", "0,-6600-6600,-6600",
                       // item rows, then the steel rows, then between the base rows
                       "1800,-600-6600,-600", "1800,-1100-6600,-1100", "1800,-2100-6600,-2100",
                       "1800,-2600-6600,-2600", "1800,-3100-6600,-3100", "1800,-4100-6600,-4100",
                       "1800,-4600-6600,-4600", "1800,-5100-6600,-5100", "1800,-6100-6600,-6100",
                       // the item column's line starts below the header
                       "0,400-0,-6600", "1800,-100-1800,-6600", "3200,400-3200,-6600",
                       "4000,400-4000,-6600", "5300,400-5300,-6600", "6600,400-6600,-6600"}));

  // Diameter labels and steel values keep their second point at the top steel row.
  for (const DxfEntity& e : entities_) {
    if (e.type != "TEXT" || e.Number(21) != 36000 - 4000) continue;
    if (e.Get(1) == "D13" || e.Get(1) == "D16") {
      EXPECT_EQ(e.Number(11), 36500 + 2500) << e.Get(1);
    } else {
      EXPECT_EQ(e.Number(11), 36500 + 2350) << e.Get(1);
      EXPECT_EQ(e.Number(40), 125) << e.Get(1);
    }
  }
  EXPECT_EQ(TextsAt(2000, -5000), "D13");
  EXPECT_EQ(TextsAt(2000, -4500), "D16");
  EXPECT_EQ(TextsAt(4050, -4000), "0.000");
}

}  // namespace
}  // namespace lwall
