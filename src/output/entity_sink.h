// The entity records of the sheet as values, for outputs beside the DXF file
// that must show exactly what it holds (its extents, a picture of it).
//
// The DXF writer hands every LINE, TEXT and CIRCLE record it writes to its
// sinks, in file order, with the values it printed; the drawing code never
// learns that a sink exists. Texts are the bytes written to the file
// (Shift-JIS), coordinates are sheet millimetres before rounding.
#ifndef LWALL_OUTPUT_ENTITY_SINK_H_
#define LWALL_OUTPUT_ENTITY_SINK_H_

#include <cstdint>
#include <string_view>

#include "common/geometry.h"

namespace lwall {

struct LineRecord {
  std::string_view layer;
  double thickness = 0;
  int colour = 0;
  // "HIDDEN" or "CENTER" with its linetype scale; empty for a line that
  // takes its layer's linetype (scale 1).
  std::string_view linetype;
  double linetype_scale = 1;
  Point from, to;
};

struct TextRecord {
  std::string_view layer;
  double thickness = 0;
  int colour = 0;
  std::int64_t height = 0;
  std::string_view text;
  double width_factor = 1;
  double rotation = 0;  // degrees, counter-clockwise
  // An aligned text carries a second point and a text style; a plain text
  // has neither (`second` equals `at`, `style` is empty).
  bool aligned = false;
  Point at, second;
  std::string_view style;
};

struct CircleRecord {
  std::string_view layer;
  double thickness = 0;
  int colour = 0;
  Point centre;
  double radius = 0;
};

class EntitySink {
 public:
  virtual ~EntitySink() = default;
  virtual void OnLine(const LineRecord& line) = 0;
  virtual void OnText(const TextRecord& text) = 0;
  virtual void OnCircle(const CircleRecord& circle) = 0;
};

}  // namespace lwall

#endif  // LWALL_OUTPUT_ENTITY_SINK_H_
