// The entity records as CAD readers get them: every line, its format and the
// order of the groups.
#include "output/dxf_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "common/number_format.h"
#include "output/output_stream.h"

namespace lwall {
namespace {

class DxfWriterTest : public ::testing::Test {
 protected:
  OutputStream out;
  DxfWriter dxf{out};
};

TEST_F(DxfWriterTest, LineRoundsHalvesAwayFromZeroAndWritesColourBeforeThickness) {
  dxf.WriteDxfLine("D-STR", 0.13, 7, 0, 0, 234.5, -6.5);
  EXPECT_EQ(out.contents(),
            "LINE\r\n"
            "8\r\nD-STR\r\n"
            "62\r\n7\r\n"
            "39\r\n    0\r\n"
            "10\r\n    0\r\n"
            "20\r\n    0\r\n"
            "30\r\n0\r\n"
            "11\r\n  235\r\n"
            "21\r\n   -7\r\n"
            "31\r\n0\r\n"
            "0\r\n");
}

TEST_F(DxfWriterTest, HiddenAndCentreLinesCarryScaleAndLinetypeAfterThickness) {
  dxf.WriteDxfHiddenLine("D-STR", 2.5, 3, 10000.4, 42000, -123456.5, 7.5);
  dxf.WriteDxfCenterLine("D-BMK", 0.18, 6, -0.4, 0, 0, 0);
  EXPECT_EQ(out.contents(),
            "LINE\r\n8\r\nD-STR\r\n62\r\n3\r\n39\r\n    3\r\n"
            "48\r\n   10\r\n6\r\nHIDDEN\r\n"
            "10\r\n10000\r\n20\r\n42000\r\n30\r\n0\r\n"
            "11\r\n-123457\r\n21\r\n    8\r\n31\r\n0\r\n0\r\n"
            "LINE\r\n8\r\nD-BMK\r\n62\r\n6\r\n39\r\n    0\r\n"
            "48\r\n   10\r\n6\r\nCENTER\r\n"
            "10\r\n   -0\r\n20\r\n    0\r\n30\r\n0\r\n"
            "11\r\n    0\r\n21\r\n    0\r\n31\r\n0\r\n0\r\n");
}

TEST_F(DxfWriterTest, TextWritesThicknessBeforeColourAndAngleAsGroup51) {
  dxf.WriteDxfText("D-STR-HTXT", 0.25, 0, 125, "W2", 1.0, 90, 10000, 42125.5);
  EXPECT_EQ(out.contents(),
            "TEXT\r\n"
            "8\r\nD-STR-HTXT\r\n"
            "39\r\n    0\r\n"
            "62\r\n0\r\n"
            "10\r\n10000\r\n"
            "20\r\n42126\r\n"
            "30\r\n0\r\n"
            "40\r\n125\r\n"
            "51\r\n   90\r\n"
            "1\r\nW2\r\n"
            "41\r\n    1\r\n"
            "0\r\n");
}

TEST_F(DxfWriterTest, EmptyTextStillHasItsValueLine) {
  dxf.WriteDxfText("D-STR", 0, 0, 125, "", 1.0, 0, 0, 0);
  EXPECT_NE(out.contents().find("\r\n1\r\n\r\n41\r\n"), std::string::npos) << out.contents();
}

TEST_F(DxfWriterTest, AlignedTextWritesBothPointsStyleAndJustification) {
  dxf.WriteDxfAlignedText("D-STR-DIM", 0.18, 0, 125, " 1000", 1.0, -0.0, "KANJI", 20280, 31400,
                          20480, 31400);
  EXPECT_EQ(out.contents(),
            "TEXT\r\n"
            "8\r\nD-STR-DIM\r\n"
            "39\r\n    0\r\n"
            "62\r\n0\r\n"
            "10\r\n20280\r\n"
            "20\r\n31400\r\n"
            "30\r\n0\r\n"
            "11\r\n20480\r\n"
            "21\r\n31400\r\n"
            "31\r\n0\r\n"
            "40\r\n125\r\n"
            "41\r\n    1\r\n"
            "50\r\n   -0\r\n"
            "1\r\n 1000\r\n"
            "7\r\nKANJI\r\n"
            "72\r\n0\r\n"
            "0\r\n");
}

TEST_F(DxfWriterTest, AlignedTextWithEmptyStyleWritesAnEmptyLine) {
  dxf.WriteDxfAlignedText("D-STR-DIM", 0, 0, 125, "500", 1.0, 90, "", 0, 0, 0, 200);
  EXPECT_NE(out.contents().find("\r\n7\r\n\r\n72\r\n0\r\n0\r\n"), std::string::npos)
      << out.contents();
}

TEST_F(DxfWriterTest, CircleAddsTheOriginToItsCentre) {
  dxf.WriteDxfCircle("D-STR-STR1", 1, 120, 200, 200, 0.35, 10000, 42000);
  dxf.WriteDxfCircle("D-STR-STR1", 1, 0, -0.5, 6.5, 0, 0, 0);
  EXPECT_EQ(out.contents(),
            "CIRCLE\r\n"
            "8\r\nD-STR-STR1\r\n"
            "39\r\n    0\r\n"
            "62\r\n1\r\n"
            "10\r\n10120\r\n"
            "20\r\n42200\r\n"
            "30\r\n0\r\n"
            "40\r\n  200\r\n"
            "0\r\n"
            "CIRCLE\r\n8\r\nD-STR-STR1\r\n39\r\n    0\r\n62\r\n1\r\n"
            "10\r\n    0\r\n20\r\n   -1\r\n30\r\n0\r\n40\r\n    7\r\n0\r\n");
}

TEST_F(DxfWriterTest, RecordsOfAnySizeKeepEveryLine) {
  // A layer name far longer than any record so far, a value of 301 digits,
  // a text with line breaks: the record grows to hold them, whole.
  const std::string layer(5000, 'L');
  const std::string huge = FormatFixed(1e300, 5, 0);
  ASSERT_EQ(huge.size(), 301u);
  dxf.WriteDxfLine(layer, 0, 7, 1e300, -2.5, 3, 4);
  dxf.WriteDxfText("D-STR", 0, 7, 125, "a\nb\n", 1.0, 0, 1, 2);
  dxf.WriteDxfCircle("D-STR", 1, 0, 0, 7, 0, 0, 0);
  const std::string line =
      "LINE\r\n8\r\n" + layer + "\r\n62\r\n7\r\n39\r\n    0\r\n10\r\n" + huge +
      "\r\n20\r\n   -3\r\n30\r\n0\r\n11\r\n    3\r\n21\r\n    4\r\n31\r\n0\r\n0\r\n";
  const std::string text =
      "TEXT\r\n8\r\nD-STR\r\n39\r\n    0\r\n62\r\n7\r\n10\r\n    1\r\n20\r\n    2\r\n30\r\n0\r\n"
      "40\r\n125\r\n51\r\n    0\r\n1\r\na\r\nb\r\n\r\n41\r\n    1\r\n0\r\n";
  const std::string circle =
      "CIRCLE\r\n8\r\nD-STR\r\n39\r\n    0\r\n62\r\n1\r\n10\r\n    0\r\n20\r\n    0\r\n30\r\n0\r\n"
      "40\r\n    7\r\n0\r\n";
  EXPECT_EQ(out.contents(), line + text + circle);
}

}  // namespace
}  // namespace lwall
