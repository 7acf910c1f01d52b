// Test support: the example designs under examples/ that the conformance
// tests run the program on: the standard example and four realistic walls
// (tallest and widest allowed, low, wide footing with D25 bars, slender) and
// a dense one (bars at 125, five segments of footing bars).
#ifndef LWALL_TESTS_CONFORMANCE_BUNDLED_DESIGNS_H_
#define LWALL_TESTS_CONFORMANCE_BUNDLED_DESIGNS_H_

namespace lwall::testing {

inline constexpr const char* kBundledDesigns[] = {"standard", "tall", "low", "wide", "slender",
                                                   "dense"};

}  // namespace lwall::testing

#endif  // LWALL_TESTS_CONFORMANCE_BUNDLED_DESIGNS_H_
