// The drawing context: where the current view sits on the sheet and which
// layer, colour and thickness new entities are stamped with.
#ifndef LWALL_KERNEL_DRAW_CONTEXT_H_
#define LWALL_KERNEL_DRAW_CONTEXT_H_

#include <string>
#include <string_view>

#include "common/geometry.h"
#include "input/layer_table.h"

namespace lwall {

struct DrawContext {
  Point origin;       // view coordinates + origin = sheet coordinates
  std::string layer;  // current layer name
  int colour = 0;
  double thickness = 0;
};

// Makes `name` the current layer, with the colour and thickness of the first
// layer of that name in `layers`. A name the table lacks still becomes
// current; colour and thickness then stay as they were.
void SelectLayer(DrawContext& context, const LayerTable& layers, std::string_view name);

// Makes `name` current with the colour a Japanese colour word names ("赤" red
// 1 ... "黒" black 7) and the given thickness. An unknown word keeps the
// colour.
void SelectLayerByColourName(DrawContext& context, std::string_view name,
                             std::string_view colour_word, double thickness);

}  // namespace lwall

#endif  // LWALL_KERNEL_DRAW_CONTEXT_H_
