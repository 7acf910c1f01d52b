// Test support: seeded, repeatable damage to the bundled design and layer
// files, as a design program or a hand editor might leave them.
#ifndef LWALL_TESTS_FUZZ_INPUT_MUTATOR_H_
#define LWALL_TESTS_FUZZ_INPUT_MUTATOR_H_

#include <cstdint>
#include <string>
#include <vector>

namespace lwall::testing {

struct InputFiles {
  std::string design;  // "tempoL.dat"
  std::string layers;  // "GasouL.dat"
};

// How far the program's promises reach for an input.
enum class InputRange {
  // Every value read is 0 or of magnitude 1e-3 to 1e7: no "nan" or "inf"
  // may reach an output and both outputs must be well formed.
  kOrdinary,
  // Some value lies beyond (1e300, 1e-310, -2147483648...): its arithmetic
  // may overflow, but the run must neither crash nor misbehave.
  kAbsurd,
};

struct FuzzCase {
  std::uint64_t seed = 0;
  InputFiles files;
  InputRange range = InputRange::kOrdinary;
  std::string recipe;  // the mutations applied, for the report of a failure
};

// Largest bar counts and diameters a generated case may read: a pitch count
// of a few hundred already draws thousands of entities, and every dot of a
// bar of diameter d is d filled circles.
constexpr int kMaxGeneratedCount = 300;
constexpr int kMaxGeneratedDiameter = 60;

// The case of `seed`, made from one of `bases` (the same seed and bases
// always give the same case). Cases whose counts or diameters exceed the
// limits above are drawn again from the same generator.
FuzzCase MakeFuzzCase(std::uint64_t seed, const std::vector<InputFiles>& bases);

// Classifies files as the program will read them.
InputRange RangeOf(const InputFiles& files);
bool WithinGeneratedLimits(const InputFiles& files);

}  // namespace lwall::testing

#endif  // LWALL_TESTS_FUZZ_INPUT_MUTATOR_H_
