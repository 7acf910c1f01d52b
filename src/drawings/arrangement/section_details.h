// The details of the section view: the distribution bars seen end-on as
// dots, the wall ties S1 and footing ties S2 with their callouts, and the
// cover dimensions. Also fills the S1 row of the bar schedule (all but its
// count, which the wall face view knows).
#ifndef LWALL_DRAWINGS_ARRANGEMENT_SECTION_DETAILS_H_
#define LWALL_DRAWINGS_ARRANGEMENT_SECTION_DETAILS_H_

#include <cstdint>
#include <optional>

#include "kernel/run_state.h"

namespace lwall {

// Draws the second half of the section view, after the main bars.
void DrawSectionDetails(RunState& run);

// The count of the S1 tick chain for P pitches of the back face's first
// segment and Q of its second: every other tie from the second bar up. The
// chain is drawn only for Q in 0..3 (nullopt otherwise). The halves truncate
// towards zero, so the count may be 0 or negative for short walls.
std::optional<std::int64_t> S1ChainCount(std::int64_t P, std::int64_t Q);

}  // namespace lwall

#endif  // LWALL_DRAWINGS_ARRANGEMENT_SECTION_DETAILS_H_
