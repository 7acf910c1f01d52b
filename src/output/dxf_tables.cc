// Linetype, layer and style tables.
#include "output/dxf_tables.h"

#include <string_view>

#include "common/japanese_texts.h"
#include "common/sheet_frame.h"

namespace lwall {

namespace {

void TableHead(DxfWriter& dxf, std::string_view name, int max_entries) {
  dxf.Int(0);
  dxf.Text("TABLE");
  dxf.Group(2, name);
  dxf.GroupInt(70, max_entries);
  dxf.Int(0);
}

// The linetypes of the LTYPE table, in its order: dash lengths positive,
// gaps negative.
struct LinetypeEntry {
  std::string_view name;
  std::string_view description;
  double total_length;
  std::span<const double> dashes;
};
constexpr double kHiddenDashes[] = {6.35, -3.175};
constexpr double kCenterDashes[] = {31.75, -6.35, 6.35, -6.35};
constexpr double kPhantomDashes[] = {31.75, -6.35, 6.35, -6.35, 6.35, -6.35};
constexpr double kDotDashes[] = {5.0, -5.0};
constexpr LinetypeEntry kLinetypes[] = {
    {"CONTINUOUS", ja::kSolidLine, 1.0, {}},
    {"HIDDEN", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _", 9.525, kHiddenDashes},
    {"CENTER", "____ _ ____ _ ____ _ ____ _ ____ _ ____", 50.8, kCenterDashes},
    {"PHANTOM", "_____ _ _ _____ _ _ _____ _ _ _____ _ _ ____", 63.5, kPhantomDashes},
    {"DOT", ".............................................", 10.0, kDotDashes},
};

void Linetype(DxfWriter& dxf, const LinetypeEntry& linetype) {
  dxf.Text("LTYPE");
  dxf.Group(2, linetype.name);
  dxf.GroupInt(70, 64);
  dxf.Group(3, linetype.description);
  dxf.GroupInt(72, 65);
  dxf.GroupInt(73, static_cast<int>(linetype.dashes.size()));
  dxf.GroupReal(40, linetype.total_length);
  for (double dash : linetype.dashes) dxf.GroupReal(49, dash);
  dxf.Int(0);
}

void Style(DxfWriter& dxf, std::string_view name, std::string_view big_font) {
  dxf.Text("STYLE");
  dxf.Group(2, name);
  dxf.GroupInt(70, 0);
  dxf.GroupReal(40, 0.0);
  dxf.GroupReal(41, 1.0);
  dxf.GroupReal(50, 0.0);
  dxf.GroupInt(71, 0);
  dxf.GroupReal(42, 0.2);
  dxf.Group(3, "TXT");
  dxf.Group(4, big_font);
  dxf.Int(0);
}

// The one viewport a reader opens on: centred on the sheet frame, with the
// frame's height and a little room around it.
void ViewportTable(DxfWriter& dxf) {
  constexpr double kMargin = 1.05;
  const Point centre{kSheetFrameLowerLeft.x + kSheetFrameWidth / 2,
                     kSheetFrameLowerLeft.y + kSheetFrameHeight / 2};
  TableHead(dxf, "VPORT", 1);
  dxf.Text("VPORT");
  dxf.Group(2, "*ACTIVE");
  dxf.GroupInt(70, 0);
  dxf.GroupDecimal(10, 0, 1);  // the viewport fills the window
  dxf.GroupDecimal(20, 0, 1);
  dxf.GroupDecimal(11, 1, 1);
  dxf.GroupDecimal(21, 1, 1);
  dxf.GroupDecimal(12, centre.x, 1);  // the view's centre
  dxf.GroupDecimal(22, centre.y, 1);
  dxf.GroupDecimal(13, 0, 1);  // snap base
  dxf.GroupDecimal(23, 0, 1);
  dxf.GroupDecimal(14, 10, 1);  // snap spacing
  dxf.GroupDecimal(24, 10, 1);
  dxf.GroupDecimal(15, 10, 1);  // grid spacing
  dxf.GroupDecimal(25, 10, 1);
  dxf.GroupDecimal(16, 0, 1);  // looking down on the sheet
  dxf.GroupDecimal(26, 0, 1);
  dxf.GroupDecimal(36, 1, 1);
  dxf.GroupDecimal(17, 0, 1);
  dxf.GroupDecimal(27, 0, 1);
  dxf.GroupDecimal(37, 0, 1);
  dxf.GroupDecimal(40, kSheetFrameHeight * kMargin, 1);  // the view's height
  // Width over height of the frame, so a window of that shape shows it whole.
  dxf.GroupDecimal(41, kSheetFrameWidth / kSheetFrameHeight, 1);
  dxf.GroupDecimal(42, 50, 1);  // lens length
  dxf.GroupDecimal(43, 0, 1);
  dxf.GroupDecimal(44, 0, 1);
  dxf.GroupDecimal(50, 0, 1);
  dxf.GroupDecimal(51, 0, 1);
  dxf.GroupInt(71, 0);
  dxf.GroupInt(72, 100);
  dxf.GroupInt(73, 1);
  dxf.GroupInt(74, 3);
  dxf.GroupInt(75, 0);
  dxf.GroupInt(76, 0);
  dxf.GroupInt(77, 0);
  dxf.GroupInt(78, 0);
  dxf.Int(0);
  dxf.Text("ENDTAB");
}

void LtypeTable(DxfWriter& dxf) {
  TableHead(dxf, "LTYPE", 5);
  for (const LinetypeEntry& linetype : kLinetypes) Linetype(dxf, linetype);
  dxf.Text("ENDTAB");
}

}  // namespace

void WriteLtypeTable(DxfWriter& dxf) {
  dxf.Group(2, "TABLES");
  LtypeTable(dxf);
}

void WriteViewportAndLtypeTables(DxfWriter& dxf) {
  dxf.Group(2, "TABLES");
  ViewportTable(dxf);
  LtypeTable(dxf);
}

std::span<const double> LinetypeDashes(std::string_view name) {
  for (const LinetypeEntry& linetype : kLinetypes) {
    if (linetype.name == name) return linetype.dashes;
  }
  return {};
}

std::vector<std::string_view> LayerLinetypes(const LayerTable& layers) {
  // A code outside 1..5 repeats the previous layer's linetype; the first
  // layer falls back to a continuous line.
  std::vector<std::string_view> linetypes;
  std::string_view linetype = "CONTINUOUS";
  for (const LayerDef& layer : layers.layers) {
    const std::string_view name = LinetypeName(layer.linetype_code);
    if (!name.empty()) linetype = name;
    linetypes.push_back(linetype);
  }
  return linetypes;
}

void WriteLayerTable(DxfWriter& dxf, const LayerTable& layers) {
  // The maximum-entries value has always been 16, whatever the layer count.
  TableHead(dxf, "LAYER", 16);
  const std::vector<std::string_view> linetypes = LayerLinetypes(layers);
  for (std::size_t i = 0; i < layers.layers.size(); ++i) {
    const LayerDef& layer = layers.layers[i];
    dxf.Text("LAYER");
    dxf.Group(2, layer.name);
    dxf.GroupInt(70, 0);
    dxf.GroupInt(62, layer.colour);
    dxf.Group(6, linetypes[i]);
    dxf.Int(0);
  }
  dxf.Text("ENDTAB");
}

void WriteStyleTable(DxfWriter& dxf) {
  TableHead(dxf, "STYLE", 2);
  Style(dxf, "STANDARD", "");
  Style(dxf, "KANJI", "BIGFONT");
  dxf.Text("ENDTAB");
}

}  // namespace lwall
