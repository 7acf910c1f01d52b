#include "check/sheet_use.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawings/arrangement/reinforcement_arrangement.h"
#include "drawings/assembly/rebar_assembly.h"
#include "input/design_reader.h"
#include "input/design_records.h"
#include "input/layer_reader.h"
#include "support/test_sheet.h"
#include "tables/schedules.h"

namespace lwall {
namespace {

struct Drawn {
  std::string dxf;
  std::string script;
  bool operator==(const Drawn&) const = default;
};

// The sheet as the run draws it after its tables, without anything of the
// checker's.
Drawn Draw(const DesignData& design, const LayerTable& layers) {
  testing::TestSheet sheet(false);
  sheet.run().layers = layers;
  sheet.design() = design;
  DrawReinforcementArrangement(sheet.run());
  DrawRebarAssemblyDrawing(sheet.run());
  DrawSchedules(sheet.run());
  return {sheet.dxf(), sheet.script()};
}

std::string ExampleText(const std::string& name, const char* file) {
  return testing::ReadFileText(std::string(LWALL_EXAMPLES_DIR) + "/" + name + "/" + file);
}

// Another change than the checker's own: to 0, or from 0 to a value a
// design holds.
void Set(DesignData& design, DesignFieldId field) {
  const DesignRecord record = DesignRecordFields(design, field.record);
  const auto i = static_cast<std::size_t>(field.index);
  if (record.real) {
    if (double* value = record.reals[i]) *value = *value != 0 ? 0 : 250;
  } else if (int* value = record.integers[i]) {
    *value = *value != 0 ? 0 : 16;
  }
}

class SheetUseOf : public ::testing::TestWithParam<const char*> {};

// The tie between the drawings and the checker: a drawing that starts to
// read a field, or to read it in a new way, makes this fail until the
// checker sees the field in use.
TEST_P(SheetUseOf, EveryFieldWhoseChangeChangesTheSheetIsInUse) {
  const DesignData design = ReadDesignData(ExampleText(GetParam(), "tempoL.dat"));
  const LayerTable layers = ReadLayerTable(ExampleText(GetParam(), "GasouL.dat"));
  const Drawn sheet = Draw(design, layers);
  SheetUse use(design, layers);
  for (int record = 1; record <= kDesignRecords; ++record) {
    for (int index = 0; index < DesignRecordSize(record); ++index) {
      DesignData changed = design;
      Set(changed, {record, index});
      if (Draw(changed, layers) == sheet) continue;
      EXPECT_TRUE(use.Uses({record, index})) << "record " << record << ", value " << index + 1;
    }
  }
}

// And every layer the sheet's entities are drawn on is one it knows of.
TEST_P(SheetUseOf, TheLayersDrawnOnAreThoseOfTheEntities) {
  const DesignData design = ReadDesignData(ExampleText(GetParam(), "tempoL.dat"));
  const LayerTable layers = ReadLayerTable(ExampleText(GetParam(), "GasouL.dat"));
  std::vector<std::string> seen;
  // The layers with a line of no linetype of its own, or a circle: these
  // show in their layer's linetype.
  std::vector<std::string> in_layer_linetype;
  for (const testing::DxfEntity& entity : testing::ParseEntities(Draw(design, layers).dxf)) {
    const std::string layer = entity.Get(8);
    if (std::find(seen.begin(), seen.end(), layer) == seen.end()) seen.push_back(layer);
    if ((entity.type == "LINE" && entity.Get(6).empty()) || entity.type == "CIRCLE") {
      in_layer_linetype.push_back(layer);
    }
  }
  SheetUse use(design, layers);
  EXPECT_EQ(use.layers_drawn_on(), seen);
  for (const std::string& layer : seen) {
    // Each is selected by its name somewhere, so each takes its look from
    // the layer file.
    EXPECT_TRUE(use.TakesLookFromLayerFile(layer)) << layer;
    EXPECT_EQ(use.TakesLinetypeFromLayerFile(layer),
              std::find(in_layer_linetype.begin(), in_layer_linetype.end(), layer) !=
                  in_layer_linetype.end())
        << layer;
  }
  // The centre lines of the bar marks carry their own linetype, the texts
  // of the tables none.
  EXPECT_FALSE(use.TakesLinetypeFromLayerFile("D-BMK"));
  EXPECT_FALSE(use.TakesLinetypeFromLayerFile("D-MTR-TXT"));
  EXPECT_TRUE(use.TakesLinetypeFromLayerFile("D-STR"));
}

INSTANTIATE_TEST_SUITE_P(Examples, SheetUseOf, ::testing::Values("standard", "dense"));

// "In use" is for this design: the segments a view walks depend on the
// values, and fields no view reads are never in use.
TEST(SheetUse, SegmentsInUseFollowTheDesign) {
  DesignData design = ReadDesignData(testing::ExampleDesignText());
  const LayerTable layers = ReadLayerTable(testing::ExampleLayerText());
  {
    SheetUse use(design, layers);
    EXPECT_TRUE(use.Uses({16, 2}));   // F3 pitch 3: F3 has three segments
    EXPECT_FALSE(use.Uses({16, 3}));  // F3 pitch 4
    EXPECT_FALSE(use.Uses({6, 0}));   // F1 segment count
    const std::vector<DesignFieldId> ties = {{42, 0}, {42, 1}, {42, 2}, {42, 3}, {42, 4}};
    EXPECT_FALSE(use.UsesAny(ties));
    EXPECT_EQ(use.drawings(), 8);  // the sheet, one for a field in use, two for one unused
  }
  // Segments the drawings read beyond any list: W2's second (wall face
  // bars), F1's second and third (where the footing plan's ties stop), F4's
  // fifth whatever F4's segment count.
  design.W2.diameter[2] = 13;
  design.W2.pitch[2] = 250;
  design.W2.pitch_count[2] = 2;
  // Ties stop where F1's first and third segments end, and come in as
  // many slots as its first two hold.
  design.F1.pitch[3] = 250;
  design.F1.pitch_count[3] = 20;
  design.F4.diameter[5] = 16;
  design.F4.pitch[5] = 250;
  SheetUse use(design, layers);
  EXPECT_TRUE(use.Uses({28, 1}));  // W2 pitch 2
  EXPECT_TRUE(use.Uses({9, 1}));   // F1 pitch count 2
  EXPECT_TRUE(use.Uses({9, 2}));   // F1 pitch count 3
  EXPECT_TRUE(use.Uses({20, 4}));  // F4 pitch 5, with a segment count of 3
}

}  // namespace
}  // namespace lwall
