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

// A picture that fails while it is written (here: past a file size limit, as
// on a full disk) is told, leaves the earlier picture byte for byte and no
// file of its own behind, and costs nothing of the sheet.
TEST(Preview, APictureThatCannotBeWrittenIsToldAndTheEarlierOneStays) {
  TempDir dir;
  dir.CopyExample();
  const std::string earlier = "<svg>an earlier picture</svg>\n";
  dir.Write("Lwall.svg", earlier);
  const long dxf_bytes = static_cast<long>(
      std::filesystem::file_size(LWALL_TESTS_DIR "/driver/golden/standard/Lwall.dxf"));
  const ProgramResult full = RunProgramWithFileLimit(dir, {"--preview"}, dxf_bytes + 4096);
  EXPECT_EQ(full.status, 5);
  EXPECT_EQ(full.output, "can't write Lwall.svg\n");
  EXPECT_EQ(dir.Read("Lwall.svg"), earlier);
  EXPECT_EQ(dir.Read("Lwall.dxf"),
            ReadFileText(LWALL_TESTS_DIR "/driver/golden/standard/Lwall.dxf"));
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    ++files;
  }
  EXPECT_EQ(files, 5);  // the two inputs, the two outputs and the earlier picture

  // With room, the new picture replaces the earlier one.
  EXPECT_EQ(RunProgramIn(dir, {"--preview"}).status, 0);
  EXPECT_TRUE(dir.Read("Lwall.svg").starts_with("<?xml"));

  std::filesystem::remove(dir.path() / "Lwall.svg");
  std::filesystem::create_directory(dir.path() / "Lwall.svg");
  const ProgramResult blocked = RunProgramIn(dir, {"--preview"});
  EXPECT_EQ(blocked.status, 5);
  EXPECT_EQ(blocked.output, "can't create Lwall.svg\n");
}

TEST(Preview, APictureWithoutItsJapaneseTextsIsNoSuccess) {
  TempDir dir;
  dir.CopyExample();
  dir.Write("Lwall.svg", "earlier picture");
  const ProgramResult result = RunProgramWithoutShiftJisConverter(dir, {"--preview"});
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.output, "can't write Lwall.svg: no Shift-JIS converter\n");
  // The sheet is whole; the earlier picture stays.
  EXPECT_EQ(dir.Read("Lwall.dxf"),
            ReadFileText(LWALL_TESTS_DIR "/driver/golden/standard/Lwall.dxf"));
  EXPECT_EQ(dir.Read("tempoL.scr"),
            ReadFileText(LWALL_TESTS_DIR "/driver/golden/standard/tempoL.scr"));
  EXPECT_EQ(dir.Read("Lwall.svg"), "earlier picture");
}

}  // namespace
}  // namespace lwall::testing
