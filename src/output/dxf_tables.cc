// Linetype, layer and style tables.
#include "output/dxf_tables.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "common/number_format.h"
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

void Linetype(DxfWriter& dxf, std::string_view name, std::string_view description,
              double total_length, std::initializer_list<double> dashes) {
  dxf.Text("LTYPE");
  dxf.Group(2, name);
  dxf.GroupInt(70, 64);
  dxf.Group(3, description);
  dxf.GroupInt(72, 65);
  dxf.GroupInt(73, static_cast<int>(dashes.size()));
  dxf.GroupReal(40, total_length);
  for (double dash : dashes) dxf.GroupReal(49, dash);
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

// A real with one decimal, for the viewport: its view is not a whole number
// of millimetres.
void GroupFine(DxfWriter& dxf, int code, double value) {
  std::string text;
  AppendFixed(text, value, 0, 1);
  dxf.Group(code, text);
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
  GroupFine(dxf, 10, 0);  // the viewport fills the window
  GroupFine(dxf, 20, 0);
  GroupFine(dxf, 11, 1);
  GroupFine(dxf, 21, 1);
  GroupFine(dxf, 12, centre.x);  // the view's centre
  GroupFine(dxf, 22, centre.y);
  GroupFine(dxf, 13, 0);  // snap base
  GroupFine(dxf, 23, 0);
  GroupFine(dxf, 14, 10);  // snap spacing
  GroupFine(dxf, 24, 10);
  GroupFine(dxf, 15, 10);  // grid spacing
  GroupFine(dxf, 25, 10);
  GroupFine(dxf, 16, 0);  // looking down on the sheet
  GroupFine(dxf, 26, 0);
  GroupFine(dxf, 36, 1);
  GroupFine(dxf, 17, 0);
  GroupFine(dxf, 27, 0);
  GroupFine(dxf, 37, 0);
  GroupFine(dxf, 40, kSheetFrameHeight * kMargin);  // the view's height
  // Width over height of the frame, so a window of that shape shows it whole.
  GroupFine(dxf, 41, kSheetFrameWidth / kSheetFrameHeight);
  GroupFine(dxf, 42, 50);  // lens length
  GroupFine(dxf, 43, 0);
  GroupFine(dxf, 44, 0);
  GroupFine(dxf, 50, 0);
  GroupFine(dxf, 51, 0);
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
  Linetype(dxf, "CONTINUOUS", "実線", 1.0, {});
  Linetype(dxf, "HIDDEN", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _", 9.525, {6.35, -3.175});
  Linetype(dxf, "CENTER", "____ _ ____ _ ____ _ ____ _ ____ _ ____", 50.8,
           {31.75, -6.35, 6.35, -6.35});
  Linetype(dxf, "PHANTOM", "_____ _ _ _____ _ _ _____ _ _ _____ _ _ ____", 63.5,
           {31.75, -6.35, 6.35, -6.35, 6.35, -6.35});
  Linetype(dxf, "DOT", ".............................................", 10.0, {5.0, -5.0});
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

void WriteLayerTable(DxfWriter& dxf, const LayerTable& layers) {
  // The maximum-entries value has always been 16, whatever the layer count.
  TableHead(dxf, "LAYER", 16);
  // A code outside 1..5 repeats the previous layer's linetype; the first
  // layer falls back to a continuous line.
  std::string linetype = "CONTINUOUS";
  for (const LayerDef& layer : layers.layers) {
    const std::string_view name = LinetypeName(layer.linetype_code);
    if (!name.empty()) linetype = name;
    dxf.Text("LAYER");
    dxf.Group(2, layer.name);
    dxf.GroupInt(70, 0);
    dxf.GroupInt(62, layer.colour);
    dxf.Group(6, linetype);
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
