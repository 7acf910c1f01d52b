// How the assembly drawing names a bar: its diameter text, its callout (a
// leader to a bar-mark bubble) and the head of its bar schedule row.
#ifndef LWALL_DRAWINGS_ASSEMBLY_BAR_MARKS_H_
#define LWALL_DRAWINGS_ASSEMBLY_BAR_MARKS_H_

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/geometry.h"
#include "kernel/bar_schedule.h"
#include "kernel/run_state.h"

namespace lwall {

// "D13" for a diameter of 13.
std::string DiameterText(int diameter);

// The bubble of a bar mark on layer "D-STR-HTXT", in the size every callout
// of the sheet uses.
void MarkBubble(RunState& run, Point at, std::string_view mark, int diameter);

// A leader of two or three points on layer "D-STR-DIM", its arrowhead at the
// first point (on the bar), then the mark's bubble at `bubble`.
void BarCallout(RunState& run, std::initializer_list<Point> leader, Point bubble,
                std::string_view mark, int diameter);

// Writes a schedule row's mark, shape, diameter text, bar count and the unit
// mass of the same diameter; the lengths are the caller's, and whatever it
// does not write keeps its value.
void MarkRow(BarScheduleRow& row, std::string_view mark, std::string_view shape_code, int diameter,
             std::int64_t count);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ASSEMBLY_BAR_MARKS_H_
