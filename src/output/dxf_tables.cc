// Linetype, layer and style tables.
#include "output/dxf_tables.h"

#include <initializer_list>
#include <string>
#include <string_view>

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

}  // namespace

void WriteLtypeTable(DxfWriter& dxf) {
  dxf.Group(2, "TABLES");
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
