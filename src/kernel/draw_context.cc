// Layer selection.
#include "kernel/draw_context.h"

#include <array>
#include <utility>

#include "common/japanese_texts.h"

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
      {ja::kRed, 1},
      {ja::kYellow, 2},
      {ja::kGreen, 3},
      {ja::kCyan, 4},
      {ja::kBlue, 5},
      {ja::kMagenta, 6},
      {ja::kBlack, 7},
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
