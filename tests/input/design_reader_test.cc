#include "input/design_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "input/design_records.h"
#include "input/test_sources.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

// The example with its records joined by `separator` instead of line ends.
std::string ExampleJoinedBy(const std::string& separator) {
  std::string text = testing::ExampleDesignText();
  std::string out;
  for (const std::string& line : testing::SplitLines(text)) {
    if (!out.empty()) out += separator;
    out += line;
  }
  return out;
}

void ExpectSameArrangement(const BarArrangement& a, const BarArrangement& b) {
  EXPECT_EQ(a.segment_count, b.segment_count);
  EXPECT_EQ(a.diameter, b.diameter);
  EXPECT_EQ(a.pitch, b.pitch);
  EXPECT_EQ(a.pitch_count, b.pitch_count);
}

void ExpectSameData(const DesignData& a, const DesignData& b) {
  EXPECT_EQ(a.toe_width, b.toe_width);
  EXPECT_EQ(a.view_length_right, b.view_length_right);
  EXPECT_EQ(a.cover_back_side, b.cover_back_side);
  EXPECT_EQ(a.cover_wall_top, b.cover_wall_top);
  ExpectSameArrangement(a.F1, b.F1);
  ExpectSameArrangement(a.F3, b.F3);
  ExpectSameArrangement(a.W5, b.W5);
  EXPECT_EQ(a.s1_diameter, b.s1_diameter);
  EXPECT_EQ(a.s2_count, b.s2_count);
}

TEST(ReadDesignData, FillsEveryFieldOfTheExample) {
  const DesignData d = ReadDesignData(testing::ExampleDesignText());
  EXPECT_EQ(d.toe_width, 500);
  EXPECT_EQ(d.wall_thickness, 300);
  EXPECT_EQ(d.heel_width, 1200);
  EXPECT_EQ(d.wall_height, 2000);
  EXPECT_EQ(d.footing_thickness, 400);
  EXPECT_EQ(d.view_length_left, 1000);
  EXPECT_EQ(d.cover_footing_bottom, 70);
  EXPECT_EQ(d.cover_footing_top, 100);
  EXPECT_EQ(d.cover_back_side, 50);
  EXPECT_EQ(d.cover_wall_top, 50);
  EXPECT_EQ(d.F3.segment_count, 3);
  EXPECT_EQ(d.F3.diameter[3], 13);
  EXPECT_EQ(d.F3.pitch[1], 200);
  EXPECT_EQ(d.F3.pitch_count[3], 4);
  EXPECT_EQ(d.F4.diameter[1], 16);
  EXPECT_EQ(d.W3.pitch[2], 350);
  EXPECT_EQ(d.W5.pitch_count[2], 4);
  EXPECT_EQ(d.W5.diameter[0], 0);  // slot 0 is never read into
  EXPECT_EQ(d.s1_diameter, 13);
  EXPECT_EQ(d.s2_diameter, 13);
  EXPECT_EQ(d.s1_count, 0);
  EXPECT_EQ(d.s2_count, 0);
}

TEST(ReadDesignData, LineEndsAreOnlySeparators) {
  const DesignData canonical = ReadDesignData(testing::ExampleDesignText());
  ExpectSameData(ReadDesignData(ExampleJoinedBy(" ")), canonical);
  ExpectSameData(ReadDesignData(ExampleJoinedBy("\n\t\v\f ")), canonical);
}

TEST(ReadDesignData, ABlankBeforeACommaStopsEveryLaterRead) {
  const DesignData d = ReadDesignData("400 ,350,1500\n2000,400\n1000,1000\n");
  EXPECT_EQ(d.toe_width, 400);
  EXPECT_EQ(d.wall_thickness, 0);
  EXPECT_EQ(d.heel_width, 0);
  EXPECT_EQ(d.wall_height, 0);
  EXPECT_EQ(d.view_length_left, 0);
}

TEST(ReadDesignData, AShortRecordLeavesItsTailAndTheNextLineReadsOn) {
  const DesignData d = ReadDesignData("400,350\n2000,400\n");
  EXPECT_EQ(d.toe_width, 400);
  EXPECT_EQ(d.wall_thickness, 350);
  EXPECT_EQ(d.heel_width, 0);
  EXPECT_EQ(d.wall_height, 2000);
  EXPECT_EQ(d.footing_thickness, 400);
}

TEST(ReadDesignData, ALongRecordStopsAtItsExtraComma) {
  const DesignData d = ReadDesignData("400,350,1500,9\n2000,400\n");
  EXPECT_EQ(d.heel_width, 1500);
  EXPECT_EQ(d.wall_height, 0);
  EXPECT_EQ(d.footing_thickness, 0);
}

TEST(ReadDesignData, TheFifthTieValueChangesNothing) {
  std::string text = testing::ExampleDesignText();
  const std::size_t last = text.rfind("13,13,0,0,0");
  ASSERT_NE(last, std::string::npos);
  text.replace(last, 11, "13,16,7,9,99");
  const DesignData d = ReadDesignData(text);
  EXPECT_EQ(d.s1_diameter, 13);
  EXPECT_EQ(d.s2_diameter, 16);
  EXPECT_EQ(d.s1_count, 7);
  EXPECT_EQ(d.s2_count, 9);
}

TEST(ReadDesignData, AnEmptyFileGivesZeros) {
  const DesignData d = ReadDesignData("");
  EXPECT_EQ(d.toe_width + d.wall_thickness + d.heel_width, 0);
  EXPECT_EQ(d.W2.pitch_count[1], 0);
}

TEST(ReadDesignData, NumberForms) {
  DesignData d = ReadDesignData("+5.,.5,-013\n1e3,2E-1\n");
  EXPECT_EQ(d.toe_width, 5);
  EXPECT_EQ(d.wall_thickness, 0.5);
  EXPECT_EQ(d.heel_width, -13);
  EXPECT_EQ(d.wall_height, 1000);
  EXPECT_EQ(d.footing_thickness, 0.2);

  // An exponent marker without digits is taken up; the value is the mantissa's.
  d = ReadDesignData("1e,2E+,3\n4,5\n");
  EXPECT_EQ(d.toe_width, 1);
  EXPECT_EQ(d.wall_thickness, 2);
  EXPECT_EQ(d.heel_width, 3);
  EXPECT_EQ(d.wall_height, 4);
}

TEST(ReadDesignData, NonNumbersStopTheReadAtTheirFirstCharacter) {
  for (const char* bad : {"nan", "inf", "-inf", "NAN", "infinity", "1e999", "-1e400", "x"}) {
    const DesignData d = ReadDesignData(std::string("400,") + bad + ",1500\n2000,400\n");
    EXPECT_EQ(d.toe_width, 400) << bad;
    EXPECT_EQ(d.wall_thickness, 0) << bad;
    EXPECT_EQ(d.heel_width, 0) << bad;
    EXPECT_EQ(d.wall_height, 0) << bad;  // the next record starts at the same place
  }
  // Hexadecimal reads its leading 0 and stops at the x.
  const DesignData hex = ReadDesignData("0x10,350,1500\n2000,400\n");
  EXPECT_EQ(hex.toe_width, 0);
  EXPECT_EQ(hex.wall_thickness, 0);
  EXPECT_EQ(hex.wall_height, 0);
  // A tiny value is still a number.
  EXPECT_EQ(ReadDesignData("1e-400,7\n").wall_thickness, 7);
}

TEST(ReadDesignData, IntegersOutsideThirtyTwoBitsAreNotNumbers) {
  std::string text = "0,0,0\n0,0\n0,0\n0,0,0,0,0,0\n0\n";
  DesignData d = ReadDesignData(text + "2147483647\n-2147483648,5\n");
  EXPECT_EQ(d.F1.segment_count, 2147483647);
  EXPECT_EQ(d.F1.diameter[1], -2147483648);
  EXPECT_EQ(d.F1.diameter[2], 5);

  d = ReadDesignData(text + "2147483648\n13\n");
  EXPECT_EQ(d.F1.segment_count, 0);
  EXPECT_EQ(d.F1.diameter[1], 0);  // stopped at the same character

  d = ReadDesignData(text + "99999999999999999999999999\n13\n");
  EXPECT_EQ(d.F1.diameter[1], 0);
}

TEST(ReadDesignData, ALoneSignIsTakenUpAndFails) {
  const DesignData d = ReadDesignData("-,5\n7,8\n");
  EXPECT_EQ(d.toe_width, 0);
  EXPECT_EQ(d.wall_thickness, 0);  // the read stopped at the comma
  EXPECT_EQ(d.wall_height, 0);
}

// The first five records of the example, then `rest`.
std::string AfterTheCovers(const std::string& rest) {
  return "500,300,1200\n2000,400\n1000,1000\n70,100,50,50,50,50\n50\n" + rest;
}

TEST(ReadDesignData, ALonePointIsTakenUpAndTheNextRecordReadsOn) {
  // A segment count written "1.": the count reads 1, the diameters stop at
  // the point, the pitches take it up, and the pitch counts read on.
  DesignData d =
      ReadDesignData(AfterTheCovers("2\n13,0,0,0,0\n250,0,0,0,0\n8,0,0,0,0\n"
                                    "1.\n16,0,0,0,0\n250,0,0,0,0\n8,0,0,0,0\n3\n"));
  EXPECT_EQ(d.F2.segment_count, 1);
  EXPECT_EQ(d.F2.diameter[1], 0);
  EXPECT_EQ(d.F2.pitch[1], 0);
  EXPECT_EQ(d.F2.pitch_count[1], 16);  // the diameters' values, one record late
  EXPECT_EQ(d.F2.pitch_count[2], 0);

  for (const char* point : {".", "+.", "-."}) {
    d = ReadDesignData(std::string("400,350,") + point + "\n2000,400\n");
    EXPECT_EQ(d.heel_width, 0) << point;
    EXPECT_EQ(d.wall_height, 2000) << point;
    EXPECT_EQ(d.footing_thickness, 400) << point;
  }
}

TEST(ReadDesignData, AHundredMegabytesOfDigitsArePulledOnce) {
  const std::uint64_t digits = 100'000'000;
  testing::RepeatingSource file(std::string(4096, '1'), digits);
  testing::CountingSource source(file);
  const DesignData d = ReadDesignData(source);
  EXPECT_EQ(d.toe_width, 0);  // too large for a double, and for an int
  EXPECT_EQ(d.F1.segment_count, 0);
  EXPECT_EQ(source.bytes(), digits);
  EXPECT_LE(source.reads(), digits / 4096 + 2);  // each chunk once
}

TEST(ReadDesignData, AnEndlessInputIsReadOnlyAsFarAsTheRecordsReach) {
  struct Endless {
    const char* name;
    std::unique_ptr<ByteSource> source;
  };
  std::vector<Endless> inputs;
  inputs.push_back(
      {"zero bytes", std::make_unique<testing::RepeatingSource>(std::string(1, '\0'))});
  inputs.push_back({"\"1,\"", std::make_unique<testing::RepeatingSource>("1,")});
  inputs.push_back({"\"1.5e3,\"", std::make_unique<testing::RepeatingSource>("1.5e3,")});
  inputs.push_back({"\"7\\n\"", std::make_unique<testing::RepeatingSource>("7\n")});
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    inputs.push_back({"random bytes", std::make_unique<testing::RandomSource>(seed)});
  }
  for (Endless& input : inputs) {
    testing::CountingSource source(*input.source);
    const DesignData d = ReadDesignData(source);
    EXPECT_LE(source.bytes(), 4 * 4096u) << input.name;
    if (std::string_view(input.name) == "\"1,\"") {
      EXPECT_EQ(d.toe_width + d.wall_thickness + d.heel_width, 3);
      EXPECT_EQ(d.wall_height, 0);  // stopped at the comma after the first record
    }
    if (std::string_view(input.name) == "\"7\\n\"") {
      EXPECT_EQ(d.s1_diameter, 7);  // one value a record, the rest left at zero
      EXPECT_EQ(d.s2_diameter, 0);
    }
  }
}

TEST(ReadDesignData, AReadErrorEndsTheInputAndTheSourceTellsIt) {
  const std::string text = testing::ExampleDesignText();
  testing::PieceSource failing(text, 7, text.find("2000,400") + 4);
  const DesignData d = ReadDesignData(failing);
  EXPECT_TRUE(failing.failed());
  EXPECT_EQ(d.heel_width, 1200);
  EXPECT_EQ(d.wall_height, 2000);
  EXPECT_EQ(d.footing_thickness, 0);

  // A directory opens as a file and fails at the first read.
  std::FILE* directory = std::fopen(LWALL_TESTS_DIR, "rb");
  ASSERT_NE(directory, nullptr);
  FileSource source(directory);
  EXPECT_EQ(ReadDesignData(source).toe_width, 0);
  EXPECT_TRUE(source.failed());
  std::fclose(directory);
}

// Every field, exactly, in the order of the file.
std::string Dump(const DesignData& d) {
  std::ostringstream out;
  out << std::hexfloat;
  for (double v : {d.toe_width, d.wall_thickness, d.heel_width, d.wall_height, d.footing_thickness,
                   d.view_length_left, d.view_length_right, d.cover_footing_bottom,
                   d.cover_footing_top, d.cover_wall_front, d.cover_wall_back, d.cover_front_side,
                   d.cover_back_side, d.cover_wall_top}) {
    out << v << ' ';
  }
  for (const BarArrangement* bar :
       {&d.F1, &d.F2, &d.F3, &d.F4, &d.W1, &d.W2, &d.W3, &d.W4, &d.W5}) {
    out << bar->segment_count << ' ';
    for (int i = 0; i <= 5; ++i)
      out << bar->diameter[i] << ' ' << bar->pitch[i] << ' ' << bar->pitch_count[i] << ' ';
  }
  out << d.s1_diameter << ' ' << d.s2_diameter << ' ' << d.s1_count << ' ' << d.s2_count;
  return out.str();
}

TEST(ReadDesignData, ATraceChangesNothingReadAndNotesEveryValue) {
  std::mt19937 random(5);
  const std::string example = testing::ExampleDesignText();
  for (int i = 0; i < 300; ++i) {
    std::string text = example;
    for (int k = 0; k < 3; ++k) text[random() % text.size()] = "x.,-+e 019\n"[random() % 11];
    InputTrace trace;
    StringSource source(text);
    const DesignData traced = ReadDesignData(source, &trace);
    ASSERT_EQ(Dump(traced), Dump(ReadDesignData(text))) << text;
    ASSERT_EQ(trace.fields.size(), 163u);  // every field of the 42 records
    EXPECT_EQ(trace.fields.back().record, kDesignRecords);
    for (const FieldTrace& field : trace.fields) {
      if (field.state != FieldState::kRead) continue;
      // The value starts where the trace says, with the bytes it quotes.
      ASSERT_EQ(text.compare(field.at.offset, field.text.size(), field.text), 0) << text;
      EXPECT_NE(std::string_view("+-.0123456789").find(field.text[0]), std::string_view::npos);
      const std::size_t line_start = text.rfind('\n', field.at.offset - 1) + 1;
      EXPECT_EQ(field.at.column, field.at.offset - (field.at.offset == 0 ? 0 : line_start) + 1);
      EXPECT_GT(field.end.offset, field.at.offset);
    }
  }
}

TEST(BarArrangement, EffectiveSegmentCountStaysWithinFive) {
  BarArrangement bar;
  bar.segment_count = 6;
  EXPECT_EQ(bar.EffectiveSegmentCount(), 5);
  bar.segment_count = -1;
  EXPECT_EQ(bar.EffectiveSegmentCount(), 0);
  bar.segment_count = 3;
  EXPECT_EQ(bar.EffectiveSegmentCount(), 3);
}

}  // namespace
}  // namespace lwall
