// Test support: the example designs under examples/ that the conformance
// tests run the program on: the standard example and four realistic walls
// (tallest and widest allowed, low, wide footing with D25 bars, slender).
#ifndef LWALL_TESTS_CONFORMANCE_BUNDLED_DESIGNS_H_
#define LWALL_TESTS_CONFORMANCE_BUNDLED_DESIGNS_H_

namespace lwall::testing {

inline constexpr const char* kBundledDesigns[] = {"standard", "tall", "low", "wide", "slender"};

}  // namespace lwall::testing

#endif  // LWALL_TESTS_CONFORMANCE_BUNDLED_DESIGNS_H_
