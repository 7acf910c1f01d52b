// Schedule row heads of the assembly drawing.
#include "drawings/assembly/bar_marks.h"

#include "common/number_format.h"
#include "kernel/primitives.h"
#include "kernel/rebar_rules.h"

namespace lwall {

void MarkRow(BarScheduleRow& row, std::string_view mark, std::string_view shape_code, int diameter,
             std::int64_t count) {
  row.mark = mark;
  row.shape_code = shape_code;
  row.diameter_text = DiameterText(diameter);
  row.count = count;
  row.unit_mass = UnitMass(diameter);
}

}  // namespace lwall
