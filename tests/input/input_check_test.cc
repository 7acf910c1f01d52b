#include "input/input_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "input/test_sources.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

// The lines of a text (without their ends), some replaced: line number from
// 1 to its new text. The ends are CR LF as in the examples.
std::string WithLines(const std::string& text, const std::map<int, std::string>& replaced) {
  std::string out;
  int number = 1;
  for (const std::string& line : testing::SplitLines(text)) {
    const auto found = replaced.find(number++);
    out += (found != replaced.end() ? found->second : line) + "\r\n";
  }
  return out;
}

InputCheck Check(const std::string& design, const std::string& layers) {
  StringSource design_source(design);
  StringSource layer_source(layers);
  return CheckInputs(design_source, layer_source);
}

std::vector<std::string> DesignFindings(const std::map<int, std::string>& replaced) {
  return Check(WithLines(testing::ExampleDesignText(), replaced), testing::ExampleLayerText())
      .findings;
}

std::vector<std::string> LayerFindings(const std::string& layers) {
  return Check(testing::ExampleDesignText(), layers).findings;
}

using Findings = std::vector<std::string>;

TEST(CheckInputs, TheBundledExamplesHaveNoFindings) {
  for (const auto& entry : std::filesystem::directory_iterator(LWALL_EXAMPLES_DIR)) {
    const std::string dir = entry.path().string() + "/";
    const InputCheck check =
        Check(testing::ReadFileText(dir + "tempoL.dat"), testing::ReadFileText(dir + "GasouL.dat"));
    EXPECT_EQ(check.findings, Findings{}) << dir;
    EXPECT_EQ(check.Summary(), "no findings");
  }
}

TEST(CheckInputs, AWellFormedDesignInAnyLayoutHasNoFindings) {
  const std::string example = testing::ExampleDesignText();
  std::string one_line;
  for (const std::string& line : testing::SplitLines(example)) one_line += line + " \t";
  std::string spread;  // a value a line, with blank lines between records
  for (const std::string& line : testing::SplitLines(example)) {
    for (const char c : line) spread += c == ',' ? std::string(",\n") : std::string(1, c);
    spread += "\n\n";
  }
  for (const std::string& design :
       {one_line, spread, WithLines(example, {{1, "0,300,2200"}, {2, "2600,400"}}),
        WithLines(example, {{1, "+5e2,.3e3,1200."}, {8, "250.,.25e3,0,0,0"}}),
        WithLines(example, {{42, "0,10,-4,99,1e99x"}, {6, "-9"}}),  // fields never used
        WithLines(example, {{42, ""}})}) {
    const InputCheck check =
        Check(design, WithLines(testing::ExampleLayerText(), {{1, "10"}}) + "1 1 1 UNUSED\n");
    EXPECT_EQ(check.findings, Findings{}) << design;
  }
}

TEST(CheckInputs, ReadingStoppedNamesThePlaceTheTextAndTheField) {
  EXPECT_EQ(DesignFindings({{19, "16,x,0,0,0"}}),
            Findings{"tempoL.dat:19:4: error: reading stopped at \"x,0,0,0\\r\\n200\": record 19, "
                     "F4 diameter 2 and every later value stay 0"});
  // A blank before a comma, or a record with one value too many.
  EXPECT_EQ(DesignFindings({{2, "2000 ,400"}}),
            Findings{"tempoL.dat:2:6: error: reading stopped at \",400\\r\\n1000,1\": record 2, "
                     "footing thickness and every later value stay 0"});
  EXPECT_EQ(DesignFindings({{3, "1000,1000,5"}}),
            Findings{"tempoL.dat:3:10: error: reading stopped at \",5\\r\\n70,100,5\": record 4, "
                     "footing bottom cover and every later value stay 0"});
}

TEST(CheckInputs, AValueTheReaderStopsInsideOf) {
  EXPECT_EQ(DesignFindings({{1, "5O0,300,1200"}}),
            Findings{"tempoL.dat:1:2: error: reading stopped at \"O0,300,1200\\r\" inside the "
                     "number \"5O0\" (record 1, toe width reads \"5\"): record 1, wall thickness "
                     "and every later value stay 0"});
  EXPECT_EQ(DesignFindings({{2, "2000,inf"}}),
            Findings{"tempoL.dat:2:6: error: reading stopped at \"inf\\r\\n1000,10\", not a "
                     "number: record 2, footing thickness and every later value stay 0"});
  for (const char* bad : {"1_200", "0x10", "nan", "1e999"}) {
    const Findings found = DesignFindings({{1, std::string("500,300,") + bad}});
    ASSERT_FALSE(found.empty()) << bad;
    EXPECT_NE(found[0].find("error:"), std::string::npos) << bad;
  }
  // Too large for an integer, read on as a real: the integer records end there.
  EXPECT_EQ(DesignFindings({{7, "99999999999,0,0,0,0"}})[0],
            "tempoL.dat:7:1: error: record 7 ends at \"99999999999,\", a number too large for its "
            "field, before its first value: F1 diameter 1 to F1 diameter 5 stay 0");
  // "1." as a segment count: the point ends the next two records, then the
  // values arrive one record late.
  const Findings shifted = DesignFindings({{10, "1."}});
  ASSERT_GE(shifted.size(), 2u);
  EXPECT_EQ(shifted[0],
            "tempoL.dat:10:2: error: records 11 and 12 end at \".\\r\\n16,0,0,0,\" inside the "
            "number \"1.\" (record 10, F2 segment count reads \"1\"), before their first value: "
            "F2 diameter 1 to F2 pitch 5 stay 0");
}

TEST(CheckInputs, ShortRecordsAndTheEndOfTheFile) {
  EXPECT_EQ(DesignFindings({{16, "200,250"}}),
            Findings{"tempoL.dat:16:8: error: record 16 ends at \"\\r\\n2,2,4,0,0\\r\" after 2 "
                     "of its 5 values: F3 pitch 3 to F3 pitch 5 stay 0"});
  const std::string example = testing::ExampleDesignText();
  EXPECT_EQ(
      Check(example.substr(0, example.find("4,0,0,0,0")), testing::ExampleLayerText()).findings,
      Findings{"tempoL.dat:9:1: error: the file ends before record 9, F1 pitch count 1: it "
               "and every later value stay 0"});
  const InputCheck empty = Check("", testing::ExampleLayerText());
  EXPECT_EQ(empty.findings, Findings{"tempoL.dat:1:1: error: the file ends before record 1, toe "
                                     "width: it and every later value stay 0"});
  EXPECT_EQ(empty.Summary(), "1 error");
}

TEST(CheckInputs, AWallTheRunRefuses) {
  EXPECT_EQ(DesignFindings({{1, "500,300,1701"}, {2, "2601,400"}}),
            (Findings{"tempoL.dat:1:1: error: the wall is 2501 wide (toe width + wall thickness + "
                      "heel width), more than 2500: the run refuses it",
                      "tempoL.dat:2:1: error: the wall is 3001 high (wall height + footing "
                      "thickness), more than 3000: the run refuses it"}));
}

TEST(CheckInputs, ValuesThatDrawButHardlyAsMeant) {
  const Findings found = DesignFindings({{1, "-1,0,1200"},
                                         {4, "70,400,50,-5,50,50"},
                                         {7, "0,0,0,0,0"},
                                         {14, "6"},
                                         {15, "13,10,13,0,0"},
                                         {16, "200,0,250,0,0"},
                                         {17, "2,-2,4,0,0"},
                                         {20, "200,250,2e7,0,0"}});
  EXPECT_EQ(found,
            (Findings{
                "tempoL.dat:1:1: warning: record 1, toe width is -1, negative",
                "tempoL.dat:1:4: warning: record 1, wall thickness is 0, not a positive "
                "length",
                "tempoL.dat:4:4: warning: record 4, footing top cover is 400, not smaller "
                "than the footing thickness 400",
                "tempoL.dat:4:11: warning: record 4, wall back cover is -5, negative",
                "tempoL.dat:7:1: warning: record 7, F1 diameter 1 is 0: the sheet draws no "
                "F1 bars",
                "tempoL.dat:14:1: warning: record 14, F3 segment count is 6, outside 0 to 5",
                "tempoL.dat:15:4: warning: record 15, F3 diameter 2 is 10, which has no unit "
                "mass: its bars weigh 0 in the mass and materials tables",
                "tempoL.dat:16:5: warning: record 16, F3 pitch 2 is 0 in a segment with bars",
                "tempoL.dat:17:3: warning: record 17, F3 pitch count 2 is -2, negative",
                "tempoL.dat:20:9: warning: record 20, F4 pitch 3 is 20000000, beyond "
                "10000000: the drawing's arithmetic is not meant for it",
            }));
}

TEST(CheckInputs, LayerFileErrors) {
  const std::string layers = testing::ExampleLayerText();
  EXPECT_EQ(LayerFindings("-2\n"),
            Findings{"GasouL.dat:1:1: error: the layer count -2 is negative: no layer is defined"});
  EXPECT_EQ(LayerFindings(WithLines(layers, {{1, "20"}}))[0],
            "GasouL.dat:1:1: error: the layer count 20 is more than 19");
  const Findings short_file = LayerFindings(WithLines(layers, {{1, "11"}}));
  EXPECT_EQ(short_file, Findings{"GasouL.dat:11:1: error: the file holds 9 of the 11 layer entries "
                                 "it declares: entries 10 and 11 stay empty"});
  const Findings bad_entry = LayerFindings(WithLines(layers, {{8, "7 1 thick D-MTR-TXT"}}));
  EXPECT_EQ(bad_entry[0],
            "GasouL.dat:8:5: error: layer entry 7 does not read at \"thick D-MTR-\": its "
            "thickness and name stay unset, and entries 8 and 9 stay empty");
  EXPECT_EQ(bad_entry.size(), 4u);  // and the three layers it leaves undefined
}

TEST(CheckInputs, LayerFileWarnings) {
  const std::string layers = testing::ExampleLayerText();
  const InputCheck check = Check(testing::ExampleDesignText(),
                                 WithLines(layers, {{3, "7 6 0.35 D-STR"}, {6, "1 1 0.35 D-STR"}}));
  EXPECT_EQ(check.findings,
            (Findings{"GasouL.dat:3:3: warning: layer \"D-STR\" has linetype code 6, outside 1 to "
                      "5: it takes the linetype of the layer before it",
                      "GasouL.dat:6:10: warning: layer \"D-STR\" is defined twice (first in entry "
                      "2): the sheet draws with the first definition",
                      "GasouL.dat: warning: layer \"D-STR-STR1\" is drawn on but not defined: its "
                      "entities take the previous layer's colour"}));
  EXPECT_EQ(check.Summary(), "3 warnings");
}

TEST(CheckInputs, FindingsOfBothFilesAndTheSummary) {
  const InputCheck check = Check(WithLines(testing::ExampleDesignText(), {{19, "16,x,0,0,0"}}),
                                 WithLines(testing::ExampleLayerText(), {{7, "6 3 0.18 D-BMX"}}));
  EXPECT_EQ(check.findings.size(), 2u);
  EXPECT_EQ(check.findings[1],
            "GasouL.dat: warning: layer \"D-BMK\" is drawn on but not defined: its entities take "
            "the previous layer's colour");
  EXPECT_EQ(check.Summary(), "1 error, 1 warning");
  InputCheck counts;
  counts.errors = 2;
  counts.warnings = 3;
  EXPECT_EQ(counts.Summary(), "2 errors, 3 warnings");
}

TEST(CheckInputs, AnyInputGivesOneLineFindingsAndEnds) {
  std::mt19937 random(9);
  const std::string design = testing::ExampleDesignText();
  const std::string layers = testing::ExampleLayerText();
  static constexpr char kDamage[] = "x.,-+e 019\n\0\xE9";
  for (int i = 0; i < 200; ++i) {
    std::string d = design;
    std::string l = layers;
    for (int k = 0; k < 4; ++k) {
      d[random() % d.size()] = kDamage[random() % (sizeof kDamage - 1)];
      l[random() % l.size()] = kDamage[random() % (sizeof kDamage - 1)];
    }
    const InputCheck check = Check(d, l);
    EXPECT_EQ(check.findings.size(), static_cast<std::size_t>(check.errors + check.warnings));
    for (const std::string& finding : check.findings) {
      EXPECT_TRUE(std::all_of(finding.begin(), finding.end(), [](char c) {
        return c >= 0x20 && c < 0x7F;
      })) << finding;
    }
  }
  testing::RandomSource random_design(3);
  testing::RepeatingSource zeros(std::string(4096, '\0'));
  const InputCheck endless = CheckInputs(random_design, zeros);
  EXPECT_GT(endless.errors, 1);
}

}  // namespace
}  // namespace lwall
