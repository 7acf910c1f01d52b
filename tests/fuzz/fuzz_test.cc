// Seeded fuzzing of the whole program, in process: thousands of damaged
// design and layer files, each drawn and checked (run under the sanitizers,
// so a memory fault or undefined behaviour stops the test), and the inputs
// that once broke the program, replayed.
//
// LWALL_FUZZ_CASES sets the number of cases (default 3000), LWALL_FUZZ_SEED
// the first seed (default 1); a failure names the seed of its case and
// leaves its two files in /tmp/lwall-fuzz-failures/ for the regressions.
#include <gtest/gtest.h>

#include <pthread.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "conformance/bundled_designs.h"
#include "fuzz/input_mutator.h"
#include "fuzz/sheet_checks.h"
#include "support/test_sheet.h"

namespace lwall::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kDefaultCases = 3000;
constexpr int kShards = 4;  // ctest runs them side by side
constexpr int kCaseTimeLimitSeconds = 60;
constexpr int kMaxReportedFailures = 10;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

std::vector<InputFiles> BundledInputs() {
  std::vector<InputFiles> bases;
  for (const char* design : kBundledDesigns) {
    const std::string dir = std::string(LWALL_EXAMPLES_DIR) + "/" + design + "/";
    bases.push_back({ReadFileText(dir + "tempoL.dat"), ReadFileText(dir + "GasouL.dat")});
  }
  return bases;
}

// Stops the whole test binary when one case runs past the time limit: an
// endless loop would otherwise hang CI without naming its input. (POSIX
// threads and clocks: the standard <chrono> does not compile with the
// program's Shift-JIS execution character set.)
class Watchdog {
 public:
  Watchdog() {
    pthread_mutex_init(&mutex_, nullptr);
    Arm("before the first case");
    pthread_create(&thread_, nullptr, &Watchdog::Watch, this);
  }
  ~Watchdog() {
    pthread_mutex_lock(&mutex_);
    done_ = true;
    pthread_mutex_unlock(&mutex_);
    pthread_join(thread_, nullptr);
    pthread_mutex_destroy(&mutex_);
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  void Arm(const std::string& what) {
    pthread_mutex_lock(&mutex_);
    what_ = what;
    deadline_ = Now() + kCaseTimeLimitSeconds;
    pthread_mutex_unlock(&mutex_);
  }

 private:
  static double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
  }

  static void* Watch(void* self) {
    auto* dog = static_cast<Watchdog*>(self);
    const timespec pause{0, 100 * 1000 * 1000};
    while (true) {
      nanosleep(&pause, nullptr);
      pthread_mutex_lock(&dog->mutex_);
      const bool done = dog->done_;
      if (!done && Now() > dog->deadline_) {
        std::fprintf(stderr, "fuzz case runs past %d s: %s\n", kCaseTimeLimitSeconds,
                     dog->what_.c_str());
        std::abort();
      }
      pthread_mutex_unlock(&dog->mutex_);
      if (done) return nullptr;
    }
  }

  pthread_mutex_t mutex_;
  pthread_t thread_{};
  std::string what_;
  double deadline_ = 0;
  bool done_ = false;
};

std::string Describe(const FuzzCase& c) {
  return "seed " + std::to_string(c.seed) + " (" +
         (c.range == InputRange::kOrdinary ? "ordinary" : "absurd") + "):" + c.recipe;
}

void KeepFailure(const FuzzCase& c) {
  const fs::path dir = fs::temp_directory_path() / "lwall-fuzz-failures" /
                       ("seed-" + std::to_string(c.seed));
  fs::create_directories(dir);
  std::ofstream(dir / "tempoL.dat", std::ios::binary) << c.files.design;
  std::ofstream(dir / "GasouL.dat", std::ios::binary) << c.files.layers;
}

std::string Join(const std::vector<std::string>& faults) {
  std::string all;
  for (const std::string& f : faults) all += "  " + f + "\n";
  return all;
}

class FuzzShard : public ::testing::TestWithParam<int> {};

TEST_P(FuzzShard, DrawsEveryDamagedInputWithinItsPromises) {
  const std::uint64_t cases = EnvNumber("LWALL_FUZZ_CASES", kDefaultCases);
  const std::uint64_t first_seed = EnvNumber("LWALL_FUZZ_SEED", 1);
  const std::vector<InputFiles> bases = BundledInputs();
  Watchdog watchdog;
  std::uint64_t run = 0, drawn = 0, absurd = 0;
  int failures = 0;
  for (std::uint64_t i = static_cast<std::uint64_t>(GetParam()); i < cases; i += kShards) {
    const FuzzCase c = MakeFuzzCase(first_seed + i, bases);
    watchdog.Arm(Describe(c));
    const SheetRun sheet = DrawSheetInMemory(c.files);
    const std::vector<std::string> faults = CheckSheetRun(sheet, c.range);
    ++run;
    drawn += sheet.status == 0;
    absurd += c.range == InputRange::kAbsurd;
    if (!faults.empty() && failures++ < kMaxReportedFailures) {
      KeepFailure(c);
      ADD_FAILURE() << Describe(c) << "\n" << Join(faults);
    }
  }
  std::printf("%llu cases: %llu drawn, %llu absurd\n", static_cast<unsigned long long>(run),
              static_cast<unsigned long long>(drawn), static_cast<unsigned long long>(absurd));
  // Most damaged files must still reach the drawings, or the fuzzing only
  // tests the size limits.
  EXPECT_GE(drawn * 2, run);
}

INSTANTIATE_TEST_SUITE_P(Seeded, FuzzShard, ::testing::Range(0, kShards));

// Every input kept under regressions/ (a directory per case holding the two
// files; a missing file is taken from the standard example).
TEST(FuzzRegressions, InputsThatOnceBrokeTheProgramDrawWithinItsPromises) {
  const fs::path root = fs::path(LWALL_TESTS_DIR) / "fuzz" / "regressions";
  const InputFiles standard = BundledInputs().front();
  int replayed = 0;
  Watchdog watchdog;
  for (const auto& entry : fs::directory_iterator(root)) {
    if (!entry.is_directory()) continue;
    InputFiles files = standard;
    if (fs::exists(entry.path() / "tempoL.dat")) {
      files.design = ReadFileText((entry.path() / "tempoL.dat").string());
    }
    if (fs::exists(entry.path() / "GasouL.dat")) {
      files.layers = ReadFileText((entry.path() / "GasouL.dat").string());
    }
    watchdog.Arm(entry.path().filename().string());
    const SheetRun sheet = DrawSheetInMemory(files);
    EXPECT_EQ(Join(CheckSheetRun(sheet, RangeOf(files))), "") << entry.path().filename();
    ++replayed;
  }
  EXPECT_GT(replayed, 0);
}

TEST(FuzzMutator, GivesTheSameCaseForTheSameSeed) {
  const std::vector<InputFiles> bases = BundledInputs();
  for (std::uint64_t seed : {1u, 77u, 123456u}) {
    const FuzzCase a = MakeFuzzCase(seed, bases);
    const FuzzCase b = MakeFuzzCase(seed, bases);
    EXPECT_EQ(a.files.design, b.files.design);
    EXPECT_EQ(a.files.layers, b.files.layers);
    EXPECT_EQ(a.recipe, b.recipe);
  }
  EXPECT_NE(MakeFuzzCase(1, bases).recipe, MakeFuzzCase(2, bases).recipe);
}

TEST(FuzzMutator, MakesMostCasesOrdinarySomeAbsurdAndNoneTooLarge) {
  const std::vector<InputFiles> bases = BundledInputs();
  int absurd = 0;
  for (std::uint64_t seed = 1; seed <= 400; ++seed) {
    const FuzzCase c = MakeFuzzCase(seed, bases);
    EXPECT_TRUE(WithinGeneratedLimits(c.files)) << c.recipe;
    EXPECT_EQ(c.range, RangeOf(c.files));
    absurd += c.range == InputRange::kAbsurd;
  }
  EXPECT_GE(absurd, 10);
  EXPECT_LE(absurd, 120);
}

TEST(FuzzMutator, ClassifiesValuesBeyondTheOrdinaryRangeAsAbsurd) {
  InputFiles files = BundledInputs().front();
  EXPECT_EQ(RangeOf(files), InputRange::kOrdinary);
  for (const char* first_line : {"1e300,300,1200", "500,1e-310,1200", "500,300,-2e7"}) {
    InputFiles damaged = files;
    damaged.design.replace(0, damaged.design.find('\r'), first_line);
    EXPECT_EQ(RangeOf(damaged), InputRange::kAbsurd) << first_line;
  }
  files.layers.replace(files.layers.find("0.5"), 3, "1e300");
  EXPECT_EQ(RangeOf(files), InputRange::kAbsurd);
}

TEST(SheetChecks, FindFaultsPlantedIntoAGoodRun) {
  const SheetRun good = DrawSheetInMemory(BundledInputs().front());
  ASSERT_EQ(good.status, 0);
  ASSERT_EQ(Join(CheckSheetRun(good, InputRange::kOrdinary)), "");

  const auto planted = [&](std::string SheetRun::*file, const std::string& from,
                           const std::string& to) {
    SheetRun bad = good;
    std::string& text = bad.*file;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return Join(CheckSheetRun(bad, InputRange::kOrdinary));
  };
  EXPECT_NE(planted(&SheetRun::dxf, "\r\n10\r\n", "\r\n10\r\n  nan\r\n0\r\n"), "");
  EXPECT_NE(planted(&SheetRun::dxf, "\r\n10\r\n", "\r\n10\r\n-inf"), "");
  EXPECT_NE(planted(&SheetRun::dxf, "0\r\nEOF\r\n", ""), "");
  EXPECT_NE(planted(&SheetRun::dxf, "\r\nLINE\r\n", "\r\nARC\r\n"), "");
  EXPECT_NE(planted(&SheetRun::script, "PLINE ", "PLINE   nan,"), "");
  EXPECT_NE(planted(&SheetRun::script, "text ", "text 1,"), "");
  EXPECT_NE(planted(&SheetRun::script, "\r\n", "\n"), "");

  SheetRun refused = good;
  refused.status = 1;
  EXPECT_NE(Join(CheckSheetRun(refused, InputRange::kOrdinary)), "");
  SheetRun crashed = good;
  crashed.status = 2;
  EXPECT_NE(Join(CheckSheetRun(crashed, InputRange::kAbsurd)), "");
}

}  // namespace
}  // namespace lwall::testing
