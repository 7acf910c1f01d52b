// Layer selection.
#include "kernel/draw_context.h"

#include <array>
#include <utility>

namespace lwall {

void SelectLayer(DrawContext& context, const LayerTable& layers, std::string_view name) {
  context.layer = name;
  for (const LayerDef& layer : layers.layers) {
    if (layer.name == name) {
      context.colour = layer.colour;
      context.thickness = layer.thickness;
      return;
    }
  }
}

void SelectLayerByColourName(DrawContext& context, std::string_view name,
                             std::string_view colour_word, double thickness) {
  static constexpr std::array<std::pair<std::string_view, int>, 7> kColours = {{
      {"赤", 1},
      {"黄", 2},
      {"緑", 3},
      {"空", 4},
      {"青", 5},
      {"紫", 6},
      {"黒", 7},
  }};
  context.layer = name;
  for (const auto& [word, colour] : kColours) {
    if (word == colour_word) {
      context.colour = colour;
      break;
    }
  }
  context.thickness = thickness;
}

}  // namespace lwall
