#include "output/dxf_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/layer_reader.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

std::vector<std::string> Lines(void (*write)(DxfWriter&)) {
  OutputStream out;
  DxfWriter dxf(out);
  write(dxf);
  return testing::SplitLines(out.contents());
}

std::vector<std::string> LayerLines(const std::string& layer_file) {
  OutputStream out;
  DxfWriter dxf(out);
  WriteLayerTable(dxf, ReadLayerTable(layer_file));
  return testing::SplitLines(out.contents());
}

TEST(DxfTables, LinetypeTable) {
  const std::vector<std::string> expected = {"2",  "TABLES",
                                             "0",  "TABLE",
                                             "2",  "LTYPE",
                                             "70", "5",
                                             "0",  "LTYPE",
                                             "2",  "CONTINUOUS",
                                             "70", "64",
                                             "3",  Sjis("実線"),
                                             "72", "65",
                                             "73", "0",
                                             "40", "    1",
                                             "0",  "LTYPE",
                                             "2",  "HIDDEN",
                                             "70", "64",
                                             "3",  "_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _",
                                             "72", "65",
                                             "73", "2",
                                             "40", "   10",
                                             "49", "    6",
                                             "49", "   -3",
                                             "0",  "LTYPE",
                                             "2",  "CENTER",
                                             "70", "64",
                                             "3",  "____ _ ____ _ ____ _ ____ _ ____ _ ____",
                                             "72", "65",
                                             "73", "4",
                                             "40", "   51",
                                             "49", "   32",
                                             "49", "   -6",
                                             "49", "    6",
                                             "49", "   -6",
                                             "0",  "LTYPE",
                                             "2",  "PHANTOM",
                                             "70", "64",
                                             "3",  "_____ _ _ _____ _ _ _____ _ _ _____ _ _ ____",
                                             "72", "65",
                                             "73", "6",
                                             "40", "   64",
                                             "49", "   32",
                                             "49", "   -6",
                                             "49", "    6",
                                             "49", "   -6",
                                             "49", "    6",
                                             "49", "   -6",
                                             "0",  "LTYPE",
                                             "2",  "DOT",
                                             "70", "64",
                                             "3",  ".............................................",
                                             "72", "65",
                                             "73", "2",
                                             "40", "   10",
                                             "49", "    5",
                                             "49", "   -5",
                                             "0",  "ENDTAB"};
  EXPECT_EQ(Lines(WriteLtypeTable), expected);
}

TEST(DxfTables, StyleTable) {
  const std::vector<std::string> expected = {
      "0",  "TABLE", "2",  "STYLE", "70", "2",     "0",  "STYLE", "2",  "STANDARD", "70", "0",
      "40", "    0", "41", "    1", "50", "    0", "71", "0",     "42", "    0",    "3",  "TXT",
      "4",  "",      "0",  "STYLE", "2",  "KANJI", "70", "0",     "40", "    0",    "41", "    1",
      "50", "    0", "71", "0",     "42", "    0", "3",  "TXT",   "4",  "BIGFONT",  "0",  "ENDTAB"};
  EXPECT_EQ(Lines(WriteStyleTable), expected);
}

TEST(DxfTables, LayerTableOfTheExample) {
  const std::vector<std::string> lines = LayerLines(testing::ExampleLayerText());
  ASSERT_EQ(lines.size(), 7u + 9u * 10u + 1u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 17),
            (std::vector<std::string>{"0", "TABLE", "2", "LAYER", "70", "16", "0", "LAYER", "2",
                                      "D-TTL-FRAM", "70", "0", "62", "7", "6", "CONTINUOUS", "0"}));
  // D-BMK, the sixth layer, is drawn with centre lines.
  EXPECT_EQ(lines[7 + 5 * 10 + 2], "D-BMK");
  EXPECT_EQ(lines[7 + 5 * 10 + 8], "CENTER");
  EXPECT_EQ(lines.back(), "ENDTAB");
}

TEST(DxfTables, LayerTableOfUnusualFiles) {
  // Count 0: head and end only.
  EXPECT_EQ(LayerLines("0\n"),
            (std::vector<std::string>{"0", "TABLE", "2", "LAYER", "70", "16", "0", "ENDTAB"}));
  // Codes 2, then 7 repeating the previous linetype; a bad first code is continuous.
  const std::vector<std::string> lines = LayerLines("4\n1 9 0 A\n1 2 0 B\n1 7 0 C\n1 0 0 A\n");
  EXPECT_EQ(lines[7 + 8], "CONTINUOUS");
  EXPECT_EQ(lines[17 + 8], "HIDDEN");
  EXPECT_EQ(lines[27 + 8], "HIDDEN");
  EXPECT_EQ(lines[37 + 2], "A");  // duplicate names are both written
  // A count beyond the entries writes empty names with the previous linetype.
  const std::vector<std::string> missing = LayerLines("2\n5 3 0 X\n");
  ASSERT_EQ(missing.size(), 7u + 20u + 1u);
  EXPECT_EQ(missing[17 + 2], "");
  EXPECT_EQ(missing[17 + 6], "0");
  EXPECT_EQ(missing[17 + 8], "CENTER");
}

}  // namespace
}  // namespace lwall
