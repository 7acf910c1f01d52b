// How every view names a bar: its diameter text and its callout, a leader
// from the bar to a bar-mark bubble.
#ifndef LWALL_KERNEL_BAR_CALLOUT_H_
#define LWALL_KERNEL_BAR_CALLOUT_H_

#include <initializer_list>
#include <string>
#include <string_view>

#include "common/geometry.h"
#include "kernel/run_state.h"

namespace lwall {

// "D13" for a diameter of 13.
std::string DiameterText(int diameter);

// The bubble of a bar mark on layer "D-STR-HTXT", in the size every callout
// of the sheet uses.
void MarkBubble(RunState& run, Point at, std::string_view mark, int diameter);

// A leader of two or three points on layer "D-STR-DIM", its arrowhead at the
// first point (on the bar), then the mark's bubble at `bubble`. Leaves layer
// "D-STR-HTXT" current.
void BarCallout(RunState& run, std::initializer_list<Point> leader, Point bubble,
                std::string_view mark, int diameter);

}  // namespace lwall

#endif  // LWALL_KERNEL_BAR_CALLOUT_H_
