// The linetype codes of the layer file.
#include "input/layer_table.h"

namespace lwall {

std::string_view LinetypeName(int code) {
  switch (code) {
    case 1:
      return "CONTINUOUS";
    case 2:
      return "HIDDEN";
    case 3:
      return "CENTER";
    case 4:
      return "PHANTOM";
    case 5:
      return "DOT";
    default:
      return "";
  }
}

}  // namespace lwall
