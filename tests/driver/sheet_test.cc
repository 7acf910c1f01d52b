// The run sequence in process: everything a sheet depends on lives in the
// run's own state, so two runs in one process give the same bytes.
#include "driver/sheet.h"

#include <gtest/gtest.h>

#include <string>

#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

struct Drawn {
  int status;
  std::string dxf, script, message;
};

Drawn Draw(const std::string& design, const std::string& layers) {
  OutputStream dxf, script;
  Drawn d;
  d.status = DrawSheet(design, layers, dxf, script, d.message);
  d.dxf = dxf.contents();
  d.script = script.contents();
  return d;
}

TEST(DrawSheet, TwoRunsInOneProcessGiveTheSameBytes) {
  const std::string design = testing::ExampleDesignText();
  const std::string layers = testing::ExampleLayerText();
  const Drawn first = Draw(design, layers);
  // A different sheet in between must leave nothing behind for the next one.
  const Drawn other = Draw("400,350,1500\n2400,500\n", "0\n");
  const Drawn second = Draw(design, layers);
  EXPECT_EQ(first.status, kExitOk);
  EXPECT_EQ(other.status, kExitOk);
  EXPECT_NE(other.dxf, first.dxf);
  EXPECT_EQ(second.dxf, first.dxf);
  EXPECT_EQ(second.script, first.script);
  EXPECT_EQ(second.message, "");
}

TEST(DrawSheet, ARefusedWallKeepsItsMessageAndNoEntities) {
  const Drawn d = Draw("1000,1000,1000\n", testing::ExampleLayerText());
  EXPECT_EQ(d.status, kExitWallRefused);
  EXPECT_EQ(d.message, Sjis("幅の制限を超えています。\n"));
  EXPECT_TRUE(d.dxf.ends_with("ENTITIES\r\n0\r\n"));
  EXPECT_EQ(d.script, "");
}

}  // namespace
}  // namespace lwall
