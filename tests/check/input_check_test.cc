#include "check/input_check.h"

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

// The same text without line `removed`, or with line `doubled` twice.
std::string WithoutLine(const std::string& text, int removed) {
  std::string out;
  int number = 1;
  for (const std::string& line : testing::SplitLines(text)) {
    if (number++ != removed) out += line + "\r\n";
  }
  return out;
}
std::string WithLineTwice(const std::string& text, int doubled) {
  std::string out;
  int number = 1;
  for (const std::string& line : testing::SplitLines(text)) {
    out += line + "\r\n";
    if (number++ == doubled) out += line + "\r\n";
  }
  return out;
}

using Findings = std::vector<std::string>;

Findings Lines(const InputCheck& check) {
  Findings lines;
  for (const Finding& finding : check.findings) {
    lines.push_back(FormatFinding(finding, "tempoL.dat", "GasouL.dat"));
  }
  return lines;
}

Findings Check(const std::string& design, const std::string& layers) {
  return Lines(CheckInputTexts(design, layers));
}

Findings DesignFindings(const std::string& design) {
  return Check(design, testing::ExampleLayerText());
}
Findings DesignFindings(const std::map<int, std::string>& replaced) {
  return DesignFindings(WithLines(testing::ExampleDesignText(), replaced));
}

Findings LayerFindings(const std::string& layers) {
  return Check(testing::ExampleDesignText(), layers);
}
Findings LayerFindings(const std::map<int, std::string>& replaced) {
  return LayerFindings(WithLines(testing::ExampleLayerText(), replaced));
}

TEST(CheckInputs, TheBundledExamplesHaveNoFindings) {
  for (const auto& entry : std::filesystem::directory_iterator(LWALL_EXAMPLES_DIR)) {
    const std::string dir = entry.path().string() + "/";
    const InputCheck check = CheckInputTexts(testing::ReadFileText(dir + "tempoL.dat"),
                                             testing::ReadFileText(dir + "GasouL.dat"));
    EXPECT_EQ(Lines(check), Findings{}) << dir;
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
  std::string plain_ends = example;  // LF only, a tab after each comma, blanks at line ends
  plain_ends.erase(std::remove(plain_ends.begin(), plain_ends.end(), '\r'), plain_ends.end());
  std::string tabbed;
  for (const char c : plain_ends)
    tabbed += c == ',' ? std::string(",\t") : c == '\n' ? " \n" : std::string(1, c);
  for (const std::string& design :
       {one_line, spread, tabbed, "\n\n" + example + "\n\n",
        // A toe of 0 and the limits met exactly, the bars laid to fill them.
        WithLines(example, {{1, "0,300,2200"},
                            {2, "2600,400"},
                            {17, "2,2,6,0,0"},
                            {21, "2,2,6,0,0"},
                            {33, "5,4,0,0,0"},
                            {37, "5,4,0,0,0"}}),
        WithLines(example, {{1, "+5e2,.3e3,1200."}, {8, "250.,.25e3,0,0,0"}}),
        WithLines(example, {{42, "0,10,-4,99,7"}, {6, "-9"}})}) {  // fields never used
    const Findings found =
        Check(design, WithLines(testing::ExampleLayerText(), {{1, "10"}}) + "1 1 1 UNUSED\n");
    EXPECT_EQ(found, Findings{}) << design;
  }
}

TEST(CheckInputs, ReadingStoppedNamesThePlaceTheTextAndTheField) {
  EXPECT_EQ(DesignFindings({{19, "16,x,0,0,0"}}),
            Findings{"tempoL.dat:19:4: error: reading stopped at \"x,0,0,0\\r\\n200\": record 19, "
                     "F4 diameter 2 and every later value stay 0"});
  // A record with one value too many.
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
            "field, before its first value: F1 diameter 1 left at 0");
  // "1." as a segment count: the point ends the next two records, then the
  // values arrive one record late.
  const Findings shifted = DesignFindings({{10, "1."}});
  ASSERT_GE(shifted.size(), 2u);
  EXPECT_EQ(shifted[0],
            "tempoL.dat:10:2: error: records 11 and 12 end at \".\\r\\n16,0,0,0,\" inside the "
            "number \"1.\" (record 10, F2 segment count reads \"1\"), before their first value: "
            "F2 diameter 1 and F2 pitch 1 left at 0");
}

TEST(CheckInputs, ShortRecordsAndTheEndOfTheFile) {
  EXPECT_EQ(DesignFindings({{16, "200,250"}}),
            Findings{"tempoL.dat:16:8: error: record 16 ends at \"\\r\\n2,2,4,0,0\\r\" after 2 "
                     "of its 5 values: F3 pitch 3 left at 0"});
  const std::string example = testing::ExampleDesignText();
  EXPECT_EQ(DesignFindings(example.substr(0, example.find("4,0,0,0,0"))),
            Findings{"tempoL.dat:9:1: error: the file ends before record 9, F1 pitch count 1: it "
                     "and every later value stay 0"});
  const InputCheck empty = CheckInputTexts("", testing::ExampleLayerText());
  EXPECT_EQ(Lines(empty), Findings{"tempoL.dat:1:1: error: the file ends before record 1, toe "
                                   "width: it and every later value stay 0"});
  EXPECT_EQ(empty.Summary(), "1 error");
}

// The last records: a file one record short or long at its end reads on
// as if nothing were wrong, but every value of the last marks has moved.
TEST(CheckInputs, TheEndOfTheDesignFile) {
  const std::string example = testing::ExampleDesignText();
  EXPECT_EQ(DesignFindings(WithoutLine(example, 42)),
            Findings{"tempoL.dat:41:1: error: the file ends before record 42, its last: the last "
                     "records shifted?"});
  EXPECT_EQ(DesignFindings(example + "13,13,0,0,0\r\n"),
            Findings{"tempoL.dat:43:1: warning: the file goes on after record 42, its last, at "
                     "\"13,13,0,0,0\\r\": the last records shifted?"});
  EXPECT_EQ(DesignFindings({{42, "13,13,0,0,0,0"}}),
            Findings{"tempoL.dat:42:12: warning: the file goes on after record 42, its last, at "
                     "\",0\\r\\n\": the last records shifted?"});
  // Garbage among the values the sheet does not use stops the reading all
  // the same.
  EXPECT_EQ(
      DesignFindings({{42, "13,13,x"}}),
      Findings{"tempoL.dat:42:7: warning: reading stopped at \"x\\r\\n\": record 42, S1 count "
               "and every later value stay 0"});
}

TEST(CheckInputs, ARecordThatTakesItsValuesFromAnotherLine) {
  const std::string example = testing::ExampleDesignText();
  // Record 2's line gone: record 3 reads record 4's line.
  const Findings missing = DesignFindings(WithoutLine(example, 2));
  ASSERT_GE(missing.size(), 2u);
  EXPECT_EQ(missing[0],
            "tempoL.dat:3:1: error: line 3 holds 6 values; record 3 takes 2: is a line missing "
            "above?");
  // F1's segment count twice: its diameters come a line late.
  EXPECT_EQ(DesignFindings(WithLineTwice(example, 6))[0],
            "tempoL.dat:7:1: error: line 7 repeats line 6: is it doubled? The records from here "
            "on take their values a line late, and record 7 takes 5 where line 7 holds 1 value");
  // Two lines alike further up: the records between took as many values as
  // their own.
  EXPECT_EQ(DesignFindings(WithLineTwice(example, 7))[0],
            "tempoL.dat:8:1: error: line 8 repeats line 7: is it doubled? The records from here "
            "on take their values a line late, and record 10 takes 1 where line 10 holds 5 "
            "values");
  // A line that is neither: either a line lost or one too many fits.
  EXPECT_EQ(DesignFindings(WithLines(WithLineTwice(example, 6), {{7, "2"}}))[0],
            "tempoL.dat:7:1: error: line 7 holds 1 value; record 7 takes 5: is a line doubled "
            "above?");
  // A value too many on a line of its own is no shifted record.
  EXPECT_EQ(DesignFindings({{3, "1000,1000,5"}}).size(), 1u);
}

TEST(CheckInputs, SeparatorsThatEndARecordEarly) {
  // A blank before a comma stops the reading; the finding points at it.
  EXPECT_EQ(DesignFindings({{2, "2000 ,400"}}),
            Findings{"tempoL.dat:2:5: error: reading stopped at \" ,400\\r\\n1000,\", a blank "
                     "before a comma (a comma must follow its number): record 2, footing "
                     "thickness and every later value stay 0"});
  // A blank for a comma: the next record reads on from there.
  EXPECT_EQ(DesignFindings({{8, "250 0,0,0,0"}})[0],
            "tempoL.dat:8:4: error: record 8 ends at \" 0,0,0,0\\r\\n4,\" after 1 of its 5 values, "
            "and the next record reads on from there: is a comma missing?");
  // A line short of a value: only unused fields are left at 0, but the
  // values of the line may all have moved.
  EXPECT_EQ(DesignFindings({{9, "0,0,0,0"}}),
            (Findings{"tempoL.dat:9:1: warning: the segments of F1 in use run 0, but view length "
                      "right is 1000: is a pitch or a number of pitches mistyped?",
                      "tempoL.dat:9:8: warning: record 9 ends at the end of line 9 after 4 of its "
                      "5 values: is a value missing?"}));
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
                                         {3, "1000,-1000"},
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
                "tempoL.dat:3:6: warning: record 3, view length right is -1000, negative",
                "tempoL.dat:4:4: warning: record 4, footing top cover is 400, above 200: is a "
                "digit too many?",
                "tempoL.dat:4:11: warning: record 4, wall back cover is -5, negative",
                "tempoL.dat:7:1: warning: record 7, F1 diameter 1 is 0: the sheet draws no "
                "F1 bars",
                "tempoL.dat:14:1: warning: record 14, F3 segment count is 6, outside 0 to 5",
                "tempoL.dat:15:4: warning: record 15, F3 diameter 2 is 10, which has no unit "
                "mass: its bars weigh 0 in the mass and materials tables",
                "tempoL.dat:16:5: warning: record 16, F3 pitch 2 is 0 in a segment with bars",
                "tempoL.dat:17:3: warning: record 17, F3 pitch count 2 is -2, negative",
                "tempoL.dat:20:9: warning: the segments of F4 in use run 80000900, more than "
                "20000: is a pitch or a number of pitches mistyped?",
                "tempoL.dat:20:9: warning: record 20, F4 pitch 3 is 20000000, beyond "
                "10000000: the drawing's arithmetic is not meant for it",
            }));
}

// Values that read, are drawn, and are very likely not what was meant: a
// point out of place, two lines swapped.
TEST(CheckInputs, ImplausibleValues) {
  EXPECT_EQ(DesignFindings({{1, "500,300,1.200"}}),
            Findings{"tempoL.dat:1:9: warning: record 1, heel width is 1.2, above 0 but below 50: "
                     "a length in metres, or a point out of place?"});
  EXPECT_EQ(DesignFindings({{4, "7.0,100,50,50,50,50"}}),
            Findings{"tempoL.dat:4:1: warning: record 4, footing bottom cover is 7, above 0 but "
                     "below 20: a cover in centimetres, or a point out of place?"});
  // W3's pitches and numbers of pitches swapped.
  EXPECT_EQ(DesignFindings({{32, "4,3,0,0,0"}, {33, "250,350,0,0,0"}}),
            (Findings{"tempoL.dat:32:1: warning: record 32, W3 pitch 1 is 4, no more than the "
                      "diameter 13 of its bars: they would touch",
                      "tempoL.dat:32:3: warning: record 32, W3 pitch 2 is 3, no more than the "
                      "diameter 13 of its bars: they would touch"}));
  // The W5 pitches read as its numbers of pitches: 250 bars at 250.
  EXPECT_EQ(DesignFindings({{41, "250,250,0,0,0"}}),
            Findings{"tempoL.dat:41:1: warning: the segments of W5 in use run 125000, more than "
                     "20000: is a pitch or a number of pitches mistyped?"});
}

// A mark's pitches fill the length its bars are spread over: a run that
// misses it is told at the value most likely mistyped.
TEST(CheckInputs, RunsThatMissTheLengthTheirBarsFill) {
  // One mark misses: its number of pitches, the mending the other footing
  // mark shares.
  EXPECT_EQ(DesignFindings({{17, "2,2,5,0,0"}}),
            Findings{"tempoL.dat:17:5: warning: the segments of F3 in use run 2150, but the "
                     "footing between its side covers (toe width + wall thickness + heel width - "
                     "front side cover - back side cover) is 1900: is a pitch or a number of "
                     "pitches mistyped?"});
  // Two numbers of pitches swapped: W4 tells the record.
  EXPECT_EQ(DesignFindings({{33, "3,4,0,0,0"}}),
            Findings{"tempoL.dat:33:1: warning: the segments of W3 in use run 2150, but the wall "
                     "from the top footing bars to the crown bar (wall height + footing top cover "
                     "- wall top cover) is 2050: is a pitch or a number of pitches mistyped?"});
  // One half of the crown bars, told at its number of pitches.
  EXPECT_EQ(DesignFindings({{41, "4,5,0,0,0"}}),
            Findings{"tempoL.dat:41:3: warning: segment 2 of W5 runs 1250, but view length left "
                     "is 1000: is its pitch or number of pitches mistyped?"});
  // Every mark misses alike: the span's own values are the suspects.
  EXPECT_EQ(DesignFindings({{3, "1000,100"}}),
            Findings{"tempoL.dat:3:6: warning: view length right is 100, but every bar mark "
                     "spread over it runs 1000: is view length right mistyped?"});
  EXPECT_EQ(DesignFindings({{4, "70,100,50,50,50,60"}}),
            Findings{"tempoL.dat:4:17: warning: the footing between its side covers (toe width + "
                     "wall thickness + heel width - front side cover - back side cover) is 1890, "
                     "but every bar mark spread over it runs 1900: is back side cover mistyped?"});
}

TEST(CheckInputs, TheSegmentsOfAMark) {
  EXPECT_EQ(DesignFindings({{31, "13,16,0,0,0"}}),
            Findings{"tempoL.dat:31:4: warning: the segments of W3 in use have diameters 13 and "
                     "16, but the bar schedule gives all W3 bars one diameter: is W3 diameter 2 "
                     "mistyped?"});
  EXPECT_EQ(DesignFindings({{14, "2"}, {15, "13,13,13,0,0"}}),
            Findings{"tempoL.dat:14:1: warning: record 14, F3 segment count is 2, but the last "
                     "segment of F3 that holds pitches is segment 3"});
  // A value in the wrong segment: told where it was lost within the count,
  // or where it strays beyond it.
  EXPECT_EQ(DesignFindings({{21, "2,2,0,4,0"}}),
            (Findings{"tempoL.dat:21:5: warning: record 21, F4 pitch count 3 is 0, but F4 pitch 3 "
                      "is 250, with F4 segment count 3: is a value in the wrong segment?",
                      "tempoL.dat:21:7: warning: record 21, F4 pitch count 4 is 4 in a segment "
                      "with no pitch and no bars: the bar schedule counts them all the same; is "
                      "the value in the wrong segment?"}));
  EXPECT_EQ(DesignFindings({{21, "2,2,4,0,3"}}),
            Findings{"tempoL.dat:21:9: warning: record 21, F4 pitch count 5 is 3, but F4 pitch 5 "
                     "is 0, with F4 segment count 3: is a value in the wrong segment?"});
  // A segment count the sheet does not use, however far off, is not looked into.
  for (const char* count : {"9", "-3", "2147483647"}) {
    EXPECT_EQ(DesignFindings({{30, count}}), Findings{}) << count;
  }
}

TEST(CheckInputs, CoversAndTheThicknessesTheyLieIn) {
  EXPECT_EQ(DesignFindings({{4, "0,100,50,50,50,50"}}),
            Findings{"tempoL.dat:4:1: warning: record 4, footing bottom cover is 0: the bars "
                     "would lie on the face of the concrete; is the value lost?"});
  EXPECT_EQ(DesignFindings({{4, "70,100,500,50,50,50"}}),
            Findings{"tempoL.dat:4:8: warning: record 4, wall front cover is 500, above 200: is "
                     "a digit too many?"});
  EXPECT_EQ(DesignFindings({{2, "2000,50"}}),
            Findings{"tempoL.dat:2:6: warning: record 2, footing thickness is 50, no thicker "
                     "than footing bottom cover and footing top cover, the covers inside it: is a "
                     "digit lost?"});
}

// A value lost from a line written a record a line: the records after it
// take their values a line late, told where the value went missing.
TEST(CheckInputs, ALineThatLostItsValues) {
  EXPECT_EQ(DesignFindings({{6, ""}})[0],
            "tempoL.dat:6:1: error: line 6 is blank, and record 6 and the records after it take "
            "their values a line late: has line 6 lost its values?");
  // Records as large as the next take its values unnoticed for a while.
  EXPECT_EQ(DesignFindings({{23, ""}})[0],
            "tempoL.dat:23:1: error: line 23 is blank, and record 23 and the records after it "
            "take their values a line late: has line 23 lost its values?");
  EXPECT_EQ(DesignFindings({{35, "16,16,16,0,"}})[0],
            "tempoL.dat:35:11: error: line 35 ends in a comma, so record 35, W4 diameter 5 is "
            "read from line 36: is a value missing before the comma?");
}

TEST(CheckInputs, LayerFileErrors) {
  const std::string layers = testing::ExampleLayerText();
  EXPECT_EQ(LayerFindings("-2\n"),
            Findings{"GasouL.dat:1:1: error: the layer count -2 is negative: no layer is defined"});
  EXPECT_EQ(LayerFindings({{1, "20"}})[0],
            "GasouL.dat:1:1: error: the layer count 20 is more than 19");
  EXPECT_EQ(LayerFindings({{1, "11"}}),
            Findings{"GasouL.dat:1:1: error: the file holds 9 of the 11 layer entries it declares: "
                     "entries 10 and 11 left empty"});
  const Findings bad_entry = LayerFindings({{8, "7 1 thick D-MTR-TXT"}});
  EXPECT_EQ(bad_entry[0],
            "GasouL.dat:8:5: error: layer entry 7 does not read at \"thick D-MTR-\": its "
            "thickness and name left unset, and entries 8 and 9 left empty");
  EXPECT_EQ(bad_entry.size(), 4u);  // and the three layers it leaves undefined
}

TEST(CheckInputs, LayerFileWarnings) {
  const InputCheck check = CheckInputTexts(
      testing::ExampleDesignText(),
      WithLines(testing::ExampleLayerText(), {{3, "7 6 0.35 D-STR"}, {6, "1 1 0.35 D-STR"}}));
  EXPECT_EQ(Lines(check),
            (Findings{"GasouL.dat:3:3: warning: layer \"D-STR\" has linetype code 6, outside 1 to "
                      "5: it takes the linetype of the layer before it",
                      "GasouL.dat:6:10: warning: layer \"D-STR\" is defined twice (first in entry "
                      "2): the sheet draws with the first definition",
                      "GasouL.dat: warning: layer \"D-STR-STR1\" is drawn on but not defined: its "
                      "entities take the previous layer's colour"}));
  EXPECT_EQ(check.Summary(), "3 warnings");
}

// A layer's linetype shows on the sheet's lines that carry none of their
// own; the bar marks' centre lines and the tables' texts are not among them.
TEST(CheckInputs, LayerLinetypesTheSheetsLinesTake) {
  EXPECT_EQ(LayerFindings({{3, "7 2 0.35 D-STR"}}),
            Findings{"GasouL.dat:3:3: warning: layer \"D-STR\" has linetype code 2 (HIDDEN): "
                     "every line and circle the sheet draws on it without a linetype of its own "
                     "shows HIDDEN (its hidden and centre lines carry their own); is 1 "
                     "(CONTINUOUS) meant?"});
  // The leader layer holds only circles, hidden lines and texts.
  EXPECT_EQ(LayerFindings({{5, "2 4 0.25 D-STR-HTXT"}}).size(), 1u);
  EXPECT_EQ(LayerFindings({{7, "6 1 0.18 D-BMK"}, {8, "7 4 0.25 D-MTR-TXT"}}), Findings{});
  // Only the entry the sheet draws with counts.
  EXPECT_EQ(LayerFindings(WithLines(testing::ExampleLayerText(), {{1, "10"}}) +
                          "7 2 0.35 D-STR\r\n"),
            Findings{"GasouL.dat:11:10: warning: layer \"D-STR\" is defined twice (first in "
                     "entry 2): the sheet draws with the first definition"});
}

// Colours 1 to 255 are DXF's; 0 and 256 are "the block's" and "the layer's".
TEST(CheckInputs, LayerColours) {
  EXPECT_EQ(LayerFindings({{3, "0 1 0.35 D-STR"}}),
            Findings{"GasouL.dat:3:1: warning: layer \"D-STR\" has colour 0, which DXF reads as "
                     "BYBLOCK: the layer's entities get no colour of their own"});
  EXPECT_EQ(LayerFindings({{3, "256 1 0.35 D-STR"}}),
            Findings{"GasouL.dat:3:1: warning: layer \"D-STR\" has colour 256, which DXF reads as "
                     "BYLAYER: the layer's entities get no colour of their own"});
  for (const char* colour : {"300", "-1", "1000"}) {
    EXPECT_EQ(LayerFindings({{3, std::string(colour) + " 1 0.35 D-STR"}}),
              Findings{"GasouL.dat:3:1: error: layer \"D-STR\" has colour " + std::string(colour) +
                       ", outside 1 to 255: no DXF colour, so readers reject it or guess"});
  }
  // A layer the sheet does not draw on is written to the layer table too.
  EXPECT_EQ(LayerFindings(WithLines(testing::ExampleLayerText(), {{1, "10"}}) + "300 1 1 EXTRA\n"),
            Findings{"GasouL.dat:11:1: error: layer \"EXTRA\" has colour 300, outside 1 to 255: "
                     "no DXF colour, so readers reject it or guess"});
}

TEST(CheckInputs, LayerNamesThatMissTheSheetsLayers) {
  EXPECT_EQ(
      LayerFindings({{4, "3 1 0.18 D-STR-DlM"}}),
      (Findings{"GasouL.dat:4:10: warning: layer \"D-STR-DlM\" is not one the sheet draws on, "
                "but one edit away from \"D-STR-DIM\", which the file does not define: is "
                "\"D-STR-DIM\" meant?",
                "GasouL.dat: warning: layer \"D-STR-DIM\" is drawn on but not defined: its "
                "entities take the previous layer's colour"}));
  EXPECT_EQ(LayerFindings({{4, "3 1 0.18 d-str-dim"}})[0],
            "GasouL.dat:4:10: warning: layer \"d-str-dim\" is not one the sheet draws on, but "
            "differs only in case from \"D-STR-DIM\", which the file does not define: is "
            "\"D-STR-DIM\" meant?");
  for (const char* name : {"D-STR-DM", "D-STR-DIMM", "D-STR-IDM", "d-str-dlm"}) {
    EXPECT_NE(LayerFindings({{4, std::string("3 1 0.18 ") + name}})[0].find("one edit away"),
              std::string::npos)
        << name;
  }
  // A layer of the user's own beside the sheet's is none of the sheet's.
  EXPECT_EQ(
      LayerFindings(WithLines(testing::ExampleLayerText(), {{1, "10"}}) + "3 1 0.18 D-STR-DIM2\n"),
      Findings{});
}

TEST(CheckInputs, LayerEntriesPastTheCountAndDecimalCommas) {
  EXPECT_EQ(LayerFindings({{1, "8"}}),
            (Findings{"GasouL.dat:10:1: warning: the layer count is 8, but the file goes on at "
                      "\"2 1 0.13 D-M\": the entries from here on are not read",
                      "GasouL.dat: warning: layer \"D-MTR-MTXT\" is drawn on but not defined: its "
                      "entities take the previous layer's colour"}));
  const Findings comma = LayerFindings({{10, "2 1 0,13 D-MTR-MTXT"}});
  ASSERT_FALSE(comma.empty());
  EXPECT_EQ(comma[0],
            "GasouL.dat:10:5: error: layer entry 9 has the thickness \"0,13\": a decimal comma? "
            "The thickness reads 0 and the name becomes \",13\"");
  EXPECT_EQ(LayerFindings({{3, "7 1 035 D-STR"}}),
            Findings{"GasouL.dat:3:5: warning: layer \"D-STR\" has thickness 35, more than 2: DXF "
                     "raises every entity on the layer that far out of the drawing (a thickness, "
                     "not a line weight)"});
}

// Entries written one a line, read out of step after a line that is off.
TEST(CheckInputs, LayerEntriesOutOfStep) {
  EXPECT_EQ(LayerFindings({{8, "7 1 0.25 D-MTR-TXT 4"}})[0],
            "GasouL.dat:8:20: warning: line 8 holds a value after layer \"D-MTR-TXT\": entry 8 "
            "starts there, and every later entry reads out of step; is a value too many?");
  EXPECT_EQ(LayerFindings({{1, "9 13"}})[0],
            "GasouL.dat:1:3: warning: line 1 holds a value after the layer count: entry 1 starts "
            "there, and every later entry reads out of step; is a value too many?");
  EXPECT_EQ(LayerFindings({{7, "6 3 0.18"}})[0],
            "GasouL.dat:7:1: warning: line 7 holds too few values for entry 6: its name is read "
            "from line 8, and every later entry reads out of step; is a value missing?");
  // The file ends in the last entry: told on its line.
  EXPECT_EQ(LayerFindings({{10, "2 1 0.13"}})[0],
            "GasouL.dat:10:9: error: the file ends in layer entry 9 of the 9 it declares: its "
            "name left unset");
}

TEST(CheckInputs, LayerThicknessesAndNamesWithMarks) {
  EXPECT_EQ(LayerFindings({{5, "2 1 0.81 D-STR-HTXT"}}),
            Findings{"GasouL.dat:5:5: warning: layer \"D-STR-HTXT\" has thickness 0.81, which is "
                     "no line weight (0.05, 0.09, 0.13, ... 2): is it mistyped?"});
  EXPECT_EQ(LayerFindings({{6, "1 1 -0.35 D-STR-STR1"}}),
            Findings{"GasouL.dat:6:5: warning: layer \"D-STR-STR1\" has thickness -0.35, below 0: "
                     "DXF sinks every entity on the layer below the drawing; is the minus sign "
                     "meant?"});
  EXPECT_EQ(LayerFindings({{2, "7 1 0. D-TTL-FRAM"}}),
            Findings{"GasouL.dat:2:5: warning: layer \"D-TTL-FRAM\" has thickness \"0.\", which "
                     "ends in its point and reads 0: is a digit lost?"});
  // Every line weight a CAD program offers is a thickness of its own.
  for (const char* weight : {"0", "0.05", "0.2", "0.53", "1.06", "2"}) {
    EXPECT_EQ(LayerFindings({{2, std::string("7 1 ") + weight + " D-TTL-FRAM"}}), Findings{})
        << weight;
  }
  for (const char* name : {"\"D-BMK\"", ",,D-BMK", "'d-bmk'"}) {
    const Findings found = LayerFindings({{7, std::string("6 3 0.18 ") + name}});
    ASSERT_EQ(found.size(), 2u) << name;
    EXPECT_EQ(found[0].substr(0, 17), "GasouL.dat:7:10: ") << name;
    EXPECT_NE(found[0].find("is \"D-BMK\" with marks around it"), std::string::npos) << name;
  }
}

TEST(CheckInputs, FindingsOfBothFilesAndTheSummary) {
  const InputCheck check =
      CheckInputTexts(WithLines(testing::ExampleDesignText(), {{19, "16,x,0,0,0"}}),
                      WithLines(testing::ExampleLayerText(), {{7, "6 3 0.18 D-BMX"}}));
  EXPECT_EQ(check.findings.size(), 3u);
  EXPECT_EQ(FormatFinding(check.findings[2], "tempoL.dat", "GasouL.dat"),
            "GasouL.dat: warning: layer \"D-BMK\" is drawn on but not defined: its entities take "
            "the previous layer's colour");
  EXPECT_EQ(check.Summary(), "1 error, 2 warnings");
  InputCheck counts;
  counts.errors = 2;
  counts.warnings = 1;
  EXPECT_EQ(counts.Summary(), "2 errors, 1 warning");
}

TEST(CheckInputs, AnyInputGivesOneLineFindingsAndEnds) {
  std::mt19937 random(9);
  const std::string design = testing::ExampleDesignText();
  const std::string layers = testing::ExampleLayerText();
  static constexpr char kDamage[] = "x.,-+e 019\n\0\xE9";
  for (int i = 0; i < 40; ++i) {
    std::string d = design;
    std::string l = layers;
    for (int k = 0; k < 4; ++k) {
      d[random() % d.size()] = kDamage[random() % (sizeof kDamage - 1)];
      l[random() % l.size()] = kDamage[random() % (sizeof kDamage - 1)];
    }
    const InputCheck check = CheckInputTexts(d, l);
    EXPECT_EQ(check.findings.size(), static_cast<std::size_t>(check.errors + check.warnings));
    for (const std::string& finding : Lines(check)) {
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
