#include "tables/schedule_csv.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

namespace lwall {
namespace {

std::string Utf8(std::u8string_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

TEST(ScheduleCsv, FieldsAreQuotedOnlyWhenTheyMustBe) {
  EXPECT_EQ(CsvRecord({"W1", "", " 1.5 "}), "W1,, 1.5 \r\n");
  EXPECT_EQ(CsvRecord({"a,b", "say \"so\"", "two\r\nlines", "\n"}),
            "\"a,b\",\"say \"\"so\"\"\",\"two\r\nlines\",\"\n\"\r\n");
}

TEST(ScheduleCsv, BarScheduleHasItsMarksThenTheDiameterTotals) {
  BarSchedule schedule;
  schedule[kRowW1] = {"W1", "1", "D13", 7, 1234, 2000.4, 350, 0, 0.995};
  schedule[kRowF2] = {"F2", "2", "D16", 5, 2000, 300, 1500, 300, 1.56};
  schedule[kRowS2] = {"S2", "3", "D10", 2, 100000, 0, 0, 1, 0.56};
  const std::string csv =
      BarScheduleCsv(ComputeScheduleTables(schedule, DesignData{}), platform::ShiftJisToUtf8)
          .value();
  EXPECT_EQ(csv, Utf8(u8"\uFEFF"
                      u8"種 別,形 式,径,本 数,長 さ (mm),Ｌ１ (mm),Ｌ２ (mm),Ｌ３ (mm),"
                      u8"単位質量 (kg/m),１本当り質量 (kg),質 量 (kg)\r\n"
                      u8"W1,1,D13,7,1234,2000,350,0,0.995,1.228,8.596\r\n"
                      u8",,,0,0,0,0,,0.000,0.000,0.000\r\n"
                      u8",,,0,0,0,0,,0.000,0.000,0.000\r\n"
                      u8",,,0,0,0,0,,0.000,0.000,0.000\r\n"
                      u8",,,0,0,0,0,,0.000,0.000,0.000\r\n"
                      u8",,,0,0,0,0,,0.000,0.000,0.000\r\n"
                      u8"F2,2,D16,5,2000,300,1500,,1.560,3.120,15.600\r\n"
                      u8",,,0,0,0,0,,0.000,0.000,0.000\r\n"
                      u8",,,0,0,0,0,,0.000,0.000,0.000\r\n"
                      u8",,,0,0,0,0,,0.000,0.000,0.000\r\n"
                      u8"S2,3,D10,2,100000,0,0,1,0.560,56.000,112.000\r\n"
                      // D10 has no row of the materials table; its mass is in the total.
                      u8"計,,D13,,,,,,,,8.596\r\n"
                      u8"計,,D16,,,,,,,,15.600\r\n"
                      u8"計,,,,,,,,,,136.196\r\n"));
}

TEST(ScheduleCsv, MaterialsRowsReadTopDownAsTheSheetShowsThem) {
  DesignData d;
  d.wall_thickness = 300;
  d.wall_height = 2000;
  d.toe_width = 500;
  d.heel_width = 1200;
  d.footing_thickness = 400;
  RebarMassTotals totals;
  totals.AddRow("D13", 8.596);
  totals.AddRow("D19", 0);  // a row of no bars: a steel row with no label
  totals.AddRow("D16", 12.5);
  totals.AddRow("D22", 1);
  EXPECT_EQ(MaterialsCsv(ComputeMaterialsCells(d, totals), platform::ShiftJisToUtf8).value(),
            Utf8(u8"\uFEFF"
                 u8"種 別,細 別,単 位,数 量,摘 要\r\n"
                 u8"ｺﾝｸﾘｰﾄ,たて壁,m3,0.600,\r\n"
                 u8"ｺﾝｸﾘｰﾄ,底　版,m3,0.800,\r\n"
                 u8"ｺﾝｸﾘｰﾄ,計,m3,1.400,\r\n"
                 u8"型　枠,たて壁,m2,4.000,\r\n"
                 u8"型　枠,底　版,m2,0.800,\r\n"
                 u8"型　枠,端型枠,m2,,1.400\r\n"
                 u8"型　枠,計,m2,4.800,\r\n"
                 u8"鉄　筋,,kg,0.000,\r\n"
                 u8"鉄　筋,D22,kg,1.000,\r\n"
                 u8"鉄　筋,D16,kg,12.500,\r\n"
                 u8"鉄　筋,D13,kg,8.596,\r\n"
                 u8"鉄　筋,計,,22.096,\r\n"
                 u8"基礎材,均しｺﾝｸﾘｰﾄ,m2,2.2,t=10cm\r\n"
                 u8"基礎材,ｸﾗｯｼｬﾗﾝ,m2,2.2,t=20cm\r\n"));
}

}  // namespace
}  // namespace lwall
