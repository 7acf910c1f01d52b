// How the sheet's Shift-JIS texts become UTF-8 where people read them (the
// picture, the schedule's CSV files). The conversion is the system's, so the
// driver chooses it and hands it to the writers that need one; they never
// ask the system themselves.
#ifndef LWALL_COMMON_SHIFT_JIS_DECODER_H_
#define LWALL_COMMON_SHIFT_JIS_DECODER_H_

#include <optional>
#include <string>
#include <string_view>

namespace lwall {

// Returns `text` in UTF-8 (a byte that begins no valid character becoming
// U+FFFD), or nothing when a text that is not plain ASCII cannot be
// converted at all (no converter on the system).
using ShiftJisDecoder = std::optional<std::string> (*)(std::string_view text);

}  // namespace lwall

#endif  // LWALL_COMMON_SHIFT_JIS_DECODER_H_
