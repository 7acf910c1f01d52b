// The whole sheet of two bundled designs, byte for byte. The expected files
// were checked by hand against the drawing rules and by an independent DXF
// reader; any change to them must be one we mean.
#include <gtest/gtest.h>

#include <string>

#include "support/program_run.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

class GoldenSheet : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenSheet, IsWrittenByteForByte) {
  const std::string design = GetParam();
  testing::TempDir dir;
  dir.CopyExample(design);
  ASSERT_EQ(testing::RunProgramIn(dir).status, 0);
  const std::string golden = std::string(LWALL_TESTS_DIR) + "/driver/golden/" + design + "/";
  for (const char* name : {"Lwall.dxf", "tempoL.scr"}) {
    const std::string expected = testing::ReadFileText(golden + name);
    const std::string actual = dir.Read(name);
    if (actual == expected) continue;
    // Point at the first line that differs rather than dumping the sheet.
    const auto want = testing::SplitLines(expected);
    const auto got = testing::SplitLines(actual);
    std::size_t i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
    ADD_FAILURE() << name << " differs first at line " << i + 1 << ": expected \""
                  << (i < want.size() ? want[i] : "<end>") << "\", got \""
                  << (i < got.size() ? got[i] : "<end>") << "\"";
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, GoldenSheet, ::testing::Values("standard", "dense"));

}  // namespace
}  // namespace lwall
