// The head of a bar schedule row as the assembly drawing writes it.
#ifndef LWALL_DRAWINGS_ASSEMBLY_BAR_MARKS_H_
#define LWALL_DRAWINGS_ASSEMBLY_BAR_MARKS_H_

#include <cstdint>
#include <string_view>

#include "kernel/bar_callout.h"
#include "kernel/bar_schedule.h"
#include "kernel/run_state.h"

namespace lwall {

// Writes a schedule row's mark, shape, diameter text, bar count and the unit
// mass of the same diameter; the lengths are the caller's, and whatever it
// does not write keeps its value.
void MarkRow(BarScheduleRow& row, std::string_view mark, std::string_view shape_code, int diameter,
             std::int64_t count);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ASSEMBLY_BAR_MARKS_H_
