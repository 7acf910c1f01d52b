// The largest file a run writes, shared by the writers that refuse to pass it
// and by the readers that stop reading what could never be written out.
#ifndef LWALL_COMMON_OUTPUT_BOUND_H_
#define LWALL_COMMON_OUTPUT_BOUND_H_

#include <cstdint>

namespace lwall {

// The largest output file a run writes: 64 MiB. The bars of every real sheet
// fit in well under a megabyte per file.
inline constexpr std::uint64_t kMaxOutputBytes = std::uint64_t{64} << 20;

}  // namespace lwall

#endif  // LWALL_COMMON_OUTPUT_BOUND_H_
