// The design data's one rule of its own: how many segments a view walks.
#include "input/design_data.h"

#include <algorithm>

namespace lwall {

int BarArrangement::EffectiveSegmentCount() const {
  return std::clamp(segment_count, 0, 5);
}

}  // namespace lwall
