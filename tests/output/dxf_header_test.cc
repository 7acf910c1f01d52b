// The portable form's header: the extents gathered from what is drawn, and
// the variables a reader needs, each as a group pair it understands.
#include "output/dxf_header.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "output/output_stream.h"

namespace lwall {
namespace {

std::string Header(const ExtentsSink& extents) {
  OutputStream out;
  DxfWriter dxf(out);
  WriteDxfHeader(dxf, extents);
  return out.contents();
}

// A circle counts with its radius (on either side, whatever its sign), a
// text by its insertion point, and a point that is not finite not at all.
TEST(ExtentsSink, BoxesEveryDrawnPointAndIgnoresNonFiniteOnes) {
  ExtentsSink extents;
  EXPECT_TRUE(extents.empty());
  LineRecord line;
  line.from = {100, 200};
  line.to = {300, -50};
  extents.OnLine(line);
  CircleRecord circle;
  circle.centre = {0, 0};
  circle.radius = -25;
  extents.OnCircle(circle);
  TextRecord text;
  text.at = {500, 10};
  extents.OnText(text);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  line.from = {nan, 0};
  line.to = {1e9, std::numeric_limits<double>::infinity()};
  extents.OnLine(line);
  EXPECT_FALSE(extents.empty());
  EXPECT_EQ(extents.min().x, -25);
  EXPECT_EQ(extents.min().y, -50);
  EXPECT_EQ(extents.max().x, 500);
  EXPECT_EQ(extents.max().y, 200);
}

TEST(DxfHeader, NamesVersionCodePageAndTheExtentsWithOneDecimal) {
  ExtentsSink extents;
  LineRecord line;
  line.from = {4000.25, 24000};
  line.to = {44000, 51500.04};
  extents.OnLine(line);
  const std::string header = Header(extents);
  EXPECT_TRUE(
      header.starts_with("2\r\nHEADER\r\n9\r\n$ACADVER\r\n1\r\nAC1009\r\n"
                         "9\r\n$DWGCODEPAGE\r\n3\r\nANSI_932\r\n"
                         "9\r\n$EXTMIN\r\n10\r\n4000.3\r\n20\r\n24000.0\r\n30\r\n0\r\n"
                         "9\r\n$EXTMAX\r\n10\r\n44000.0\r\n20\r\n51500.0\r\n30\r\n0\r\n"))
      << header;
  EXPECT_TRUE(header.ends_with("0\r\nENDSEC\r\n"));
}

// Nothing drawn: the sheet frame is what a reader should open on.
TEST(DxfHeader, ANothingDrawnOpensOnTheFrame) {
  const std::string header = Header(ExtentsSink{});
  EXPECT_NE(header.find("$EXTMIN\r\n10\r\n4000.0\r\n20\r\n24000.0\r\n"), std::string::npos);
  EXPECT_NE(header.find("$EXTMAX\r\n10\r\n44000.0\r\n20\r\n51500.0\r\n"), std::string::npos);
  // The paper: A1 landscape, the frame at 1:50 in its middle.
  EXPECT_NE(header.find("$PLIMMAX\r\n10\r\n841.0\r\n20\r\n594.0\r\n"), std::string::npos);
  EXPECT_NE(header.find("$PINSBASE\r\n10\r\n-59.5\r\n20\r\n-458.0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace lwall
