#include "input/layer_reader.h"

#include <gtest/gtest.h>

#include "input/test_sources.h"
#include "output/dxf_tables.h"
#include "output/dxf_writer.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

TEST(ReadLayerTable, ReadsTheExampleInFileOrder) {
  const LayerTable t = ReadLayerTable(testing::ExampleLayerText());
  ASSERT_EQ(t.layers.size(), 9u);
  EXPECT_EQ(t.layers[0].name, "D-TTL-FRAM");
  EXPECT_EQ(t.layers[0].colour, 7);
  EXPECT_EQ(t.layers[0].thickness, 0.5);
  EXPECT_EQ(t.layers[5].name, "D-BMK");
  EXPECT_EQ(t.layers[5].linetype_code, 3);
  EXPECT_EQ(t.layers[8].name, "D-MTR-MTXT");
  EXPECT_EQ(t.layers[8].thickness, 0.13);
}

TEST(ReadLayerTable, ACountBeyondTheEntriesKeepsEmptyOnes) {
  const LayerTable t = ReadLayerTable("4\n7 1 0.5 A\n3 2 0.1 B\n");
  ASSERT_EQ(t.layers.size(), 4u);
  EXPECT_EQ(t.layers[1].name, "B");
  EXPECT_EQ(t.layers[2].name, "");
  EXPECT_EQ(t.layers[3].colour, 0);
  EXPECT_EQ(t.layers[3].thickness, 0);
}

TEST(ReadLayerTable, AHugeCountStopsAtTheFirstMissingEntryPastNineteen) {
  const LayerTable t = ReadLayerTable("2147483647\n7 1 0.5 A\n");
  EXPECT_EQ(t.layers.size(), 19u);
  std::string many = "25\n";
  for (int i = 0; i < 25; ++i) many += "1 1 0.1 L" + std::to_string(i) + "\n";
  EXPECT_EQ(ReadLayerTable(many).layers.size(), 25u);
}

TEST(ReadLayerTable, NegativeOrMissingCountGivesNoLayers) {
  EXPECT_TRUE(ReadLayerTable("-3\n7 1 0.5 A\n").layers.empty());
  EXPECT_TRUE(ReadLayerTable("").layers.empty());
  EXPECT_TRUE(ReadLayerTable("0\n").layers.empty());
}

TEST(ReadLayerTable, NamesOfAnyLengthAndFieldsAcrossLines) {
  const std::string long_name(200, 'N');
  const LayerTable t = ReadLayerTable("2 7\n1\n0.25\n" + long_name + " 3 2 1 B");
  ASSERT_EQ(t.layers.size(), 2u);
  EXPECT_EQ(t.layers[0].name, long_name);
  EXPECT_EQ(t.layers[0].thickness, 0.25);
  EXPECT_EQ(t.layers[1].name, "B");
}

TEST(ReadLayerTable, ANameEndsAtANulByte) {
  const LayerTable t = ReadLayerTable(std::string("2\n7 1 0.5 D-ST\0R\n3 2 0.1 B\n", 27));
  ASSERT_EQ(t.layers.size(), 2u);
  EXPECT_EQ(t.layers[0].name, "D-ST");
  EXPECT_EQ(t.layers[1].name, "B");  // the rest of the first name is read and dropped
  EXPECT_EQ(t.layers[1].colour, 3);
}

TEST(ReadLayerTable, AReadErrorEndsTheInputAndTheSourceTellsIt) {
  const std::string text = testing::ExampleLayerText();
  testing::PieceSource failing(text, 5, text.find("D-STR") + 2);
  const LayerTable t = ReadLayerTable(failing);
  EXPECT_TRUE(failing.failed());
  ASSERT_EQ(t.layers.size(), 9u);  // as declared
  EXPECT_EQ(t.layers[0].name, "D-TTL-FRAM");
  EXPECT_EQ(t.layers[1].name, "D-");
  EXPECT_EQ(t.layers[2].name, "");
}

TEST(ReadLayerTable, AnEndlessFileStopsOnceItsTableCouldNeverBeWritten) {
  const std::string name(1000, 'A');
  testing::RepeatingSource endless("1 1 1 " + name + "\n", UINT64_MAX, "2147483647\n");
  testing::CountingSource source(endless);
  const LayerTable t = ReadLayerTable(source);
  EXPECT_LT(source.bytes(), kMaxOutputBytes + 8192);
  ASSERT_GT(t.layers.size(), 19u);
  EXPECT_EQ(t.layers.back().name, name);
  // The table read is too large for the DXF file, as the whole one is.
  OutputStream out;
  DxfWriter dxf(out);
  EXPECT_THROW(WriteLayerTable(dxf, t), OutputLimitExceeded);
}

}  // namespace
}  // namespace lwall
