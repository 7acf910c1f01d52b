// `lwall --schedule`: the bar schedule and the materials table as CSV files
// beside the sheet, which they never change, read by Python's csv module and
// compared with the sheet's tables (schedule_csv_check.py in conformance/).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "conformance/bundled_designs.h"
#include "support/program_run.h"
#include "support/test_sheet.h"

namespace lwall::testing {
namespace {

constexpr const char* kBars = "Lwall-bars.csv";
constexpr const char* kMaterials = "Lwall-materials.csv";
constexpr int kNoPython = 77;

struct CheckVerdict {
  int status = -1;
  std::string report;
};

// Runs the check on the three files of `dir`.
CheckVerdict CheckFiles(const TempDir& dir) {
  const std::string report = (dir.path() / "check.txt").string();
  const std::string command =
      "/usr/bin/python3 '" LWALL_TESTS_DIR "/conformance/schedule_csv_check.py' '" +
      (dir.path() / "Lwall.dxf").string() + "' '" + (dir.path() / kBars).string() + "' '" +
      (dir.path() / kMaterials).string() + "' > '" + report + "' 2>&1";
  const int raw = std::system(command.c_str());
  CheckVerdict verdict;
  verdict.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  if (verdict.status == 126 || verdict.status == 127) verdict.status = kNoPython;
  verdict.report = ReadFileText(report);
  std::filesystem::remove(report);
  return verdict;
}

std::set<std::string> FilesIn(const TempDir& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

class BundledDesignSchedule : public ::testing::TestWithParam<const char*> {};

TEST_P(BundledDesignSchedule, FilesHoldTheSheetsTablesAndChangeNeitherOutput) {
  TempDir dir;
  dir.CopyExample(GetParam());
  ASSERT_EQ(RunProgramIn(dir).status, 0);
  EXPECT_FALSE(dir.Has(kBars) || dir.Has(kMaterials));
  const std::string dxf = dir.Read("Lwall.dxf");
  const std::string script = dir.Read("tempoL.scr");

  const ProgramResult result = RunProgramIn(dir, {"--schedule"});
  ASSERT_EQ(result.status, 0) << result.output;
  EXPECT_EQ(result.output, "");
  EXPECT_EQ(dir.Read("Lwall.dxf"), dxf);
  EXPECT_EQ(dir.Read("tempoL.scr"), script);
  EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"GasouL.dat", "tempoL.dat", "Lwall.dxf",
                                                 "tempoL.scr", kBars, kMaterials}));

  const CheckVerdict verdict = CheckFiles(dir);
  if (verdict.status == kNoPython) GTEST_SKIP() << "no /usr/bin/python3: " << verdict.report;
  EXPECT_EQ(verdict.status, 0) << verdict.report;
  EXPECT_EQ(verdict.report, "");
}

INSTANTIATE_TEST_SUITE_P(Examples, BundledDesignSchedule, ::testing::ValuesIn(kBundledDesigns));

// The check itself: faults planted into good files are reported.
TEST(ScheduleCsvCheck, ReportsFaultsPlantedIntoGoodFiles) {
  TempDir dir;
  dir.CopyExample();
  ASSERT_EQ(RunProgramIn(dir, {"--schedule"}).status, 0);
  const std::string bars = dir.Read(kBars);
  const std::string materials = dir.Read(kMaterials);
  if (CheckFiles(dir).status == kNoPython) GTEST_SKIP() << "no /usr/bin/python3";

  struct Case {
    const char* file;
    std::string from, to, fault;
  };
  const Case cases[] = {
      {kBars, "\xEF\xBB\xBF", "", "no UTF-8 byte-order mark"},
      {kBars, "W2,1,D13,4,", "W2,1,D13,5,", "'5' where the sheet prints '4'"},
      {kBars, "0.995,", "0.99500,", "'0.99500' where the sheet prints '0.995'"},
      {kBars, "\r\nW3", "\nW3", "does not end with CR LF"},
      {kBars, "\r\nW3", "\r\n\"W3", "unexpected end of data"},  // an unclosed quote
      {kMaterials, "\xE6\x91\x98 \xE8\xA6\x81", "\xE5\x82\x99 \xE8\x80\x83", "heading row"},
      {kMaterials, ",m3,0.600,", ",m3,0.6,", "'0.6' where the sheet prints '0.600'"},
      {kMaterials, "m2,2.2,t=10cm", "m2,2.2,t=10cm,", "has 6 fields"},
  };
  for (const Case& c : cases) {
    std::string bad = c.file == kBars ? bars : materials;
    const std::size_t at = bad.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    bad.replace(at, c.from.size(), c.to);
    dir.Write(kBars, c.file == kBars ? bad : bars);
    dir.Write(kMaterials, c.file == kMaterials ? bad : materials);
    const CheckVerdict verdict = CheckFiles(dir);
    EXPECT_EQ(verdict.status, 1) << c.to << "\n" << verdict.report;
    EXPECT_NE(verdict.report.find(c.fault), std::string::npos) << c.to << "\n" << verdict.report;
  }
}

TEST(Schedule, CombinesWithThePictureAndThePortableForm) {
  TempDir plain;
  plain.CopyExample("wide");
  ASSERT_EQ(RunProgramIn(plain, {"--schedule"}).status, 0);
  TempDir both;
  both.CopyExample("wide");
  ASSERT_EQ(RunProgramIn(both, {"--preview", "--portable-dxf"}).status, 0);

  TempDir all;
  all.CopyExample("wide");
  const ProgramResult result = RunProgramIn(all, {"--portable-dxf", "--schedule", "--preview"});
  ASSERT_EQ(result.status, 0) << result.output;
  for (const char* name : {"Lwall.dxf", "tempoL.scr", "Lwall.svg"}) {
    EXPECT_EQ(all.Read(name), both.Read(name)) << name;
  }
  EXPECT_EQ(all.Read(kBars), plain.Read(kBars));
  EXPECT_EQ(all.Read(kMaterials), plain.Read(kMaterials));
}

// The data belong to the sheet, which a picture that fails leaves whole.
TEST(Schedule, WrittenEvenWhenThePictureFails) {
  TempDir plain;
  plain.CopyExample();
  ASSERT_EQ(RunProgramIn(plain, {"--schedule"}).status, 0);
  TempDir dir;
  dir.CopyExample();
  const long dxf_bytes = static_cast<long>(std::filesystem::file_size(plain.path() / "Lwall.dxf"));
  const ProgramResult result =
      RunProgramWithFileLimit(dir, {"--schedule", "--preview"}, dxf_bytes + 4096);
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.output, "can't write Lwall.svg\n");
  EXPECT_EQ(dir.Read(kBars), plain.Read(kBars));
  EXPECT_EQ(dir.Read(kMaterials), plain.Read(kMaterials));
}

TEST(Schedule, WrittenOnlyWithTheSheet) {
  TempDir dir;
  dir.CopyExample();
  dir.Write(kBars, "earlier bars");
  dir.Write(kMaterials, "earlier materials");
  dir.Write("tempoL.dat", "1000,1000,1000\n");  // a wall too wide: no sheet
  EXPECT_EQ(RunProgramIn(dir, {"--schedule"}).status, 1);
  std::filesystem::remove(dir.path() / "GasouL.dat");
  EXPECT_EQ(RunProgramIn(dir, {"--schedule"}).status, 4);
  EXPECT_EQ(dir.Read(kBars), "earlier bars");
  EXPECT_EQ(dir.Read(kMaterials), "earlier materials");
}

// A file is written as the picture is (the failure of a write on a full
// disk is shown there); here a folder stands where the file should go.
TEST(Schedule, AFileThatCannotBeMadeIsToldWithItsOwnStatus) {
  for (const char* blocked : {kBars, kMaterials}) {
    TempDir dir;
    dir.CopyExample();
    std::filesystem::create_directory(dir.path() / blocked);
    const ProgramResult result = RunProgramIn(dir, {"--schedule"});
    EXPECT_EQ(result.status, 6) << blocked;
    EXPECT_EQ(result.output, std::string("can't create ") + blocked + "\n");
    // The sheet itself was written, and no temporary file is left behind.
    EXPECT_EQ(dir.Read("Lwall.dxf"),
              ReadFileText(LWALL_TESTS_DIR "/driver/golden/standard/Lwall.dxf"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / blocked));
    EXPECT_EQ(FilesIn(dir).size(), 6u) << blocked;
  }
}

TEST(Schedule, WithoutAShiftJisConverterNoDataFileIsWritten) {
  TempDir dir;
  dir.CopyExample();
  const ProgramResult result = RunProgramWithoutShiftJisConverter(dir, {"--schedule"});
  EXPECT_EQ(result.status, 6);
  EXPECT_EQ(result.output,
            "can't write Lwall-bars.csv: no Shift-JIS converter\n"
            "can't write Lwall-materials.csv: no Shift-JIS converter\n");
  EXPECT_FALSE(dir.Has(kBars) || dir.Has(kMaterials));
  EXPECT_EQ(dir.Read("Lwall.dxf"),
            ReadFileText(LWALL_TESTS_DIR "/driver/golden/standard/Lwall.dxf"));
}

}  // namespace
}  // namespace lwall::testing
