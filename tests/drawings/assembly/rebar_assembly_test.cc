#include "drawings/assembly/rebar_assembly.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "drawings/assembly/assembly_test_support.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

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
  EXPECT_EQ(title.Get(1), "鉄 筋 組 立 図");
  EXPECT_EQ(title.Get(10) + "," + title.Get(11) + "," + title.Get(20), "18650,19150,34900");
  EXPECT_EQ(sheet.run().context.layer, "D-STR-DIM");
}

TEST(RebarAssemblyDrawing, ExampleRunWritesWellFormedFiles) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("lwall_assembly_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (const char* name : {"tempoL.dat", "GasouL.dat"}) {
    fs::copy_file(fs::path(LWALL_EXAMPLES_DIR) / "standard" / name, dir / name,
                  fs::copy_options::overwrite_existing);
  }
  const std::string command = "cd '" + dir.string() + "' && '" LWALL_BINARY "' > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string dxf = ReadFileText((dir / "Lwall.dxf").string());
  const std::string script = ReadFileText((dir / "tempoL.scr").string());
  fs::remove_all(dir);
  for (const std::string* out : {&dxf, &script}) {
    EXPECT_EQ(out->find("nan"), std::string::npos);
    EXPECT_EQ(out->find("inf"), std::string::npos);
  }
  EXPECT_NE(script.find("PLINE  4000,24000  4000,51500 "), std::string::npos);
  int titles = 0;
  for (const auto& e : ParseFileEntities(dxf)) titles += e.Get(1) == "底　版";
  EXPECT_EQ(titles, 1);
  EXPECT_EQ(SplitLines(dxf).back(), "EOF");
}

}  // namespace
}  // namespace lwall
