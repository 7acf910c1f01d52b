// The program's exit statuses, messages and the files it leaves behind,
// checked by running the built binary in a temporary directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/program_run.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::RunProgramIn;
using testing::SplitLines;
using testing::TempDir;

// The example design with its first two records replaced.
std::string DesignWith(const std::string& outline, const std::string& heights) {
  std::vector<std::string> lines = SplitLines(testing::ExampleDesignText());
  lines[0] = outline;
  lines[1] = heights;
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

const std::vector<std::string> kDxfHead = {"0", "SECTION", "2", "TABLES",
                                           "0", "TABLE",   "2", "LTYPE"};
// The sheet's messages, in Shift-JIS as the program prints them.
const std::string kWidthMessage = Sjis("幅の制限を超えています。\n");
const std::string kHeightMessage = Sjis("高さの制限を超えています。\n");

TEST(Program, RunsTwiceToTheSameBytes) {
  TempDir dir;
  dir.CopyExample();
  ASSERT_EQ(RunProgramIn(dir).status, 0);
  const std::string dxf = dir.Read("Lwall.dxf");
  const std::string script = dir.Read("tempoL.scr");
  ASSERT_EQ(RunProgramIn(dir).status, 0);
  EXPECT_EQ(dir.Read("Lwall.dxf"), dxf);
  EXPECT_EQ(dir.Read("tempoL.scr"), script);
}

TEST(Program, UnopenableFiles) {
  {  // The DXF file cannot be created: nothing is left behind.
    TempDir dir;
    dir.CopyExample();
    std::filesystem::create_directory(dir.path() / "Lwall.dxf");
    const auto result = RunProgramIn(dir);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, "can't create Lwall.dxf\n");
    EXPECT_FALSE(dir.Has("tempoL.scr"));
  }
  {  // The script cannot be created: an empty DXF file stays.
    TempDir dir;
    dir.CopyExample();
    std::filesystem::create_directory(dir.path() / "tempoL.scr");
    const auto result = RunProgramIn(dir);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "can't create tempoL.scr\n");
    EXPECT_EQ(dir.Read("Lwall.dxf"), "");
  }
  {  // No design data.
    TempDir dir;
    dir.CopyExample();
    std::filesystem::remove(dir.path() / "tempoL.dat");
    const auto result = RunProgramIn(dir);
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.output, "can't create tempoL.dat\n");
    EXPECT_EQ(dir.Read("Lwall.dxf"), "");
    EXPECT_EQ(dir.Read("tempoL.scr"), "");
  }
  {  // No layer file: the message names the file the program looked for.
    TempDir dir;
    dir.CopyExample();
    std::filesystem::remove(dir.path() / "GasouL.dat");
    const auto result = RunProgramIn(dir);
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.output, "can't create GasouL.dat\n");
    EXPECT_EQ(dir.Read("Lwall.dxf"), "");
    EXPECT_EQ(dir.Read("tempoL.scr"), "");
  }
}

TEST(Program, InputsThatAreDirectoriesDoNotOpen) {
  for (const auto& [name, status] :
       std::vector<std::pair<std::string, int>>{{"tempoL.dat", 3}, {"GasouL.dat", 4}}) {
    TempDir dir;
    dir.CopyExample();
    std::filesystem::remove(dir.path() / name);
    std::filesystem::create_directory(dir.path() / name);
    const auto result = RunProgramIn(dir);
    EXPECT_EQ(result.status, status) << name;
    EXPECT_EQ(result.output, "can't create " + name + "\n");
    EXPECT_EQ(dir.Read("Lwall.dxf"), "");
  }
}

TEST(Program, SizeLimits) {
  struct Case {
    std::string outline, heights;
    int status;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"500,300,1700", "2000,400", 0, ""},                 // exactly 2500 wide
      {"500,300,1700.001", "2000,400", 1, kWidthMessage},  // any wider
      {"500,300,1200", "2600,400", 0, ""},                 // exactly 3000 high
      {"500,300,1200", "2600,400.5", 1, kHeightMessage},
      {"500,300,1800", "2700,400", 1, kWidthMessage},  // both: only the width is told
  };
  for (const Case& c : cases) {
    TempDir dir;
    dir.CopyExample();
    dir.Write("tempoL.dat", DesignWith(c.outline, c.heights));
    const auto result = RunProgramIn(dir);
    EXPECT_EQ(result.status, c.status) << c.outline << " / " << c.heights;
    EXPECT_EQ(result.output, c.message);
    if (c.status != 0) {
      // The refused sheet keeps its tables and the opened entity section.
      const std::vector<std::string> lines = SplitLines(dir.Read("Lwall.dxf"));
      ASSERT_GT(lines.size(), 8u);
      EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8), kDxfHead);
      EXPECT_EQ(std::vector<std::string>(lines.end() - 7, lines.end()),
                (std::vector<std::string>{"0", "ENDSEC", "0", "SECTION", "2", "ENTITIES", "0"}));
      EXPECT_EQ(dir.Read("tempoL.scr"), "");
    }
  }
}

TEST(Program, AnEmptyDesignFileDrawsASheetOfZeros) {
  TempDir dir;
  dir.CopyExample();
  dir.Write("tempoL.dat", "");
  const auto result = RunProgramIn(dir);
  EXPECT_EQ(result.status, 0);
  const std::string dxf = dir.Read("Lwall.dxf");
  const std::string script = dir.Read("tempoL.scr");
  EXPECT_EQ(dxf.find("nan"), std::string::npos);
  EXPECT_EQ(dxf.find("inf"), std::string::npos);
  EXPECT_EQ(script.find("nan"), std::string::npos);
  EXPECT_EQ(script.find("inf"), std::string::npos);
}

}  // namespace
}  // namespace lwall
