// `lwall --preview`: the picture beside the two outputs, which it never
// changes, written only for a drawn sheet.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "support/program_run.h"
#include "support/test_sheet.h"

namespace lwall::testing {
namespace {

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
  return n;
}

TEST(Preview, DrawsEveryEntityAndChangesNeitherOutput) {
  TempDir dir;
  dir.CopyExample("dense");
  ASSERT_EQ(RunProgramIn(dir).status, 0);
  const std::string dxf = dir.Read("Lwall.dxf");
  const std::string script = dir.Read("tempoL.scr");
  EXPECT_FALSE(dir.Has("Lwall.svg"));

  const ProgramResult result = RunProgramIn(dir, {"--preview"});
  ASSERT_EQ(result.status, 0) << result.output;
  EXPECT_EQ(dir.Read("Lwall.dxf"), dxf);
  EXPECT_EQ(dir.Read("tempoL.scr"), script);
  const std::string svg = dir.Read("Lwall.svg");
  std::map<std::string, std::size_t> entities;
  for (const DxfEntity& e : ParseFileEntities(dxf)) ++entities[e.type];
  EXPECT_EQ(Count(svg, "<line "), entities["LINE"]);
  EXPECT_EQ(Count(svg, "<circle "), entities["CIRCLE"]);
  EXPECT_EQ(Count(svg, "<text "), entities["TEXT"]);
}

TEST(Preview, AFailedRunLeavesAnEarlierPictureAlone) {
  TempDir dir;
  dir.CopyExample();
  dir.Write("Lwall.svg", "earlier picture");
  dir.Write("tempoL.dat", "1000,1000,1000\n");
  const ProgramResult refused = RunProgramIn(dir, {"--preview"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(dir.Read("Lwall.svg"), "earlier picture");

  std::filesystem::remove(dir.path() / "GasouL.dat");
  EXPECT_EQ(RunProgramIn(dir, {"--preview"}).status, 4);
  EXPECT_EQ(dir.Read("Lwall.svg"), "earlier picture");
}

TEST(Preview, APictureThatCannotBeWrittenIsTold) {
  TempDir dir;
  dir.CopyExample();
  std::filesystem::create_symlink("/dev/full", dir.path() / "Lwall.svg");
  const ProgramResult full = RunProgramIn(dir, {"--preview"});
  EXPECT_EQ(full.status, 5);
  EXPECT_EQ(full.output, "can't write Lwall.svg\n");
  // The sheet itself was written.
  EXPECT_EQ(dir.Read("Lwall.dxf"),
            ReadFileText(LWALL_TESTS_DIR "/driver/golden/standard/Lwall.dxf"));

  std::filesystem::remove(dir.path() / "Lwall.svg");
  std::filesystem::create_directory(dir.path() / "Lwall.svg");
  const ProgramResult blocked = RunProgramIn(dir, {"--preview"});
  EXPECT_EQ(blocked.status, 5);
  EXPECT_EQ(blocked.output, "can't create Lwall.svg\n");
}

}  // namespace
}  // namespace lwall::testing
