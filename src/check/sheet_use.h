// What one design's sheet uses of its inputs, learnt from the drawing itself.
//
// Which fields of the design data a sheet depends on, and which layers it
// draws on, is a fact of the drawing code, and it changes with the design:
// a segment count decides which segments are walked, a pitch count of 0
// hides a pitch. So nothing here lists fields or layers. The sheet is drawn
// in memory once as the inputs give it, noting the layer of every entity;
// a field is in use when changing it changes the sheet, found by drawing
// again with it changed and stopping at the first byte that differs. Each
// answer is drawn only when asked for, and kept. A design whose sheet would
// pass a megabyte, many times the bars of any real wall, is taken to use
// every value: its drawing is cut there, and the rest of it cannot tell.
#ifndef LWALL_CHECK_SHEET_USE_H_
#define LWALL_CHECK_SHEET_USE_H_

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "input/design_data.h"
#include "input/layer_table.h"

namespace lwall {

// A field of the design data: its record (1 to 42) and place in it (from 0).
struct DesignFieldId {
  int record = 0;
  int index = 0;
  friend bool operator==(const DesignFieldId&, const DesignFieldId&) = default;
};

class SheetUse {
 public:
  // Draws the sheet of `design` once. The size limits of a run are not
  // applied: a wall too large to draw is still asked what it would use.
  SheetUse(const DesignData& design, const LayerTable& layers);

  // Whether this design's sheet changes when the field changes.
  bool Uses(DesignFieldId field);
  // Whether it changes when all these fields change at once: one drawing for
  // a group of fields that, as a rule, are all unused.
  bool UsesAny(std::span<const DesignFieldId> fields);

  // The layers the sheet's entities are drawn on, in the order first drawn.
  const std::vector<std::string>& layers_drawn_on() const { return layers_drawn_on_; }
  // Whether the entities drawn on `layer` take their colour or thickness
  // from the layer file's entry of that name (not so for a layer the sheet
  // selects with a colour of its own).
  bool TakesLookFromLayerFile(std::string_view layer);
  // Whether the sheet draws lines or circles on `layer` that have no
  // linetype of their own, and so show in the linetype of its layer file
  // entry. The sheet's hidden and centre lines carry their own.
  bool TakesLinetypeFromLayerFile(std::string_view layer) const;

  // The drawings made so far, the first included.
  int drawings() const { return drawings_; }

 private:
  struct Sheet {
    std::string dxf;
    std::string script;
    bool cut = false;  // the drawing passed the bound and was cut there
  };
  class Recorder;

  // Draws `design` and tells whether its sheet differs from the first one.
  bool Differs(const DesignData& design);

  DesignData design_;
  LayerTable layers_;
  Sheet sheet_;
  std::vector<std::string> layers_drawn_on_;
  std::vector<std::string> layers_taking_linetype_;
  std::optional<std::vector<std::string>> layers_with_own_look_;
  // -1 not asked yet, else 0 or 1; by record and place.
  std::array<std::array<std::int8_t, 6>, 43> used_{};
  std::map<std::vector<int>, bool> groups_;
  int drawings_ = 0;
};

}  // namespace lwall

#endif  // LWALL_CHECK_SHEET_USE_H_
