// Seeded fuzzing of the whole program, in process: thousands of damaged
// design and layer files, each drawn and checked in a forked copy of the
// test (run under the sanitizers, a memory fault or undefined behaviour ends
// that copy, and a hang is cut short by an alarm, without losing the name of
// the case), and the inputs that once broke the program, replayed.
//
// LWALL_FUZZ_CASES sets the number of cases (default 3000), LWALL_FUZZ_SEED
// the first seed (default 1); a failure names the seed of its case and
// leaves its two files in /tmp/lwall-fuzz-failures/ for the regressions.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

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
constexpr Face kFaces[] = {Face::kCheck, Face::kPreview, Face::kPortableDxf};

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

std::string Describe(const FuzzCase& c) {
  return "seed " + std::to_string(c.seed) + " (" +
         (c.range == InputRange::kOrdinary ? "ordinary" : "absurd") + "):" + c.recipe;
}

void KeepFailure(const FuzzCase& c) {
  const fs::path dir =
      fs::temp_directory_path() / "lwall-fuzz-failures" / ("seed-" + std::to_string(c.seed));
  fs::create_directories(dir);
  std::ofstream(dir / "tempoL.dat", std::ios::binary) << c.files.design;
  std::ofstream(dir / "GasouL.dat", std::ios::binary) << c.files.layers;
}

std::string Join(const std::vector<std::string>& faults) {
  std::string all;
  for (const std::string& f : faults) all += "  " + f + "\n";
  return all;
}

// The outcome of one case: whether the sheet was drawn (status 0) and its
// faults, or why the process ended before it could tell them.
struct Outcome {
  bool drawn = false;
  std::string faults;
};

void WriteAll(int fd, const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

// Draws and checks cases 0 .. count-1 of `make` in forked copies of this
// process, so that a sanitizer report, a crash or a hang (cut short by an
// alarm) ends only the copy, and the case it was drawing is still named. A
// copy draws cases until one ends it; the next copy goes on after that case.
// (One fork per case would cost more than the drawing under the sanitizers.)
template <typename MakeCase>
std::vector<Outcome> DrawAndCheckApart(std::size_t count, MakeCase make) {
  std::vector<Outcome> outcomes(count);
  std::size_t next = 0;
  while (next < count) {
    int channel[2];
    if (pipe(channel) != 0) throw std::runtime_error("pipe failed");
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
      close(channel[0]);
      // Per case: "<index>\n" before drawing it, then "<drawn> <length>\n"
      // and the faults.
      for (std::size_t i = next; i < count; ++i) {
        const auto [files, range] = make(i);
        WriteAll(channel[1], std::to_string(i) + "\n");
        alarm(kCaseTimeLimitSeconds);
        const SheetRun sheet = DrawSheetInMemory(files);
        std::vector<std::string> found = CheckSheetRun(sheet, range);
        // Each case also goes through one other face of the program, in turn.
        const Face face = kFaces[i % std::size(kFaces)];
        if (range == InputRange::kOrdinary || face == Face::kCheck) {
          for (std::string& f : CheckFace(files, sheet, face)) found.push_back(std::move(f));
        }
        const std::string faults = Join(found);
        alarm(0);
        WriteAll(channel[1], std::string(sheet.status == 0 ? "1 " : "0 ") +
                                 std::to_string(faults.size()) + "\n" + faults);
      }
      _exit(0);  // no exit handlers: the parent's test goes on
    }
    close(channel[1]);
    std::string report;
    char buf[1 << 14];
    for (ssize_t n; (n = read(channel[0], buf, sizeof buf)) > 0;) report.append(buf, n);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);

    std::istringstream in(report);
    std::size_t index = 0;
    bool finished = true;
    while (in >> index) {
      int drawn = 0;
      std::size_t length = 0;
      if (!(in >> drawn >> length) || in.get() != '\n') {
        finished = false;
        break;
      }
      outcomes[index].drawn = drawn == 1;
      outcomes[index].faults.resize(length);
      in.read(outcomes[index].faults.data(), static_cast<std::streamsize>(length));
    }
    if (finished && status == 0) break;  // every case told
    std::string why;
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) {
      why = "ran past " + std::to_string(kCaseTimeLimitSeconds) + " s";
    } else if (WIFSIGNALED(status)) {
      why = "ended by signal " + std::to_string(WTERMSIG(status));
    } else {
      why = "ended with status " + std::to_string(WEXITSTATUS(status)) +
            " (a sanitizer report above)";
    }
    outcomes[index].faults = "  the process " + why + "\n";
    next = index + 1;
  }
  return outcomes;
}

class FuzzShard : public ::testing::TestWithParam<int> {};

TEST_P(FuzzShard, DrawsEveryDamagedInputWithinItsPromises) {
  const std::uint64_t cases = EnvNumber("LWALL_FUZZ_CASES", kDefaultCases);
  const std::uint64_t first_seed = EnvNumber("LWALL_FUZZ_SEED", 1);
  const std::vector<InputFiles> bases = BundledInputs();
  const auto shard = static_cast<std::uint64_t>(GetParam());
  const std::size_t count = (cases + kShards - 1 - shard) / kShards;
  const auto make = [&](std::size_t i) {
    return MakeFuzzCase(first_seed + shard + i * kShards, bases);
  };
  const std::vector<Outcome> outcomes = DrawAndCheckApart(count, [&](std::size_t i) {
    const FuzzCase c = make(i);
    return std::pair{c.files, c.range};
  });

  std::uint64_t drawn = 0;
  int failures = 0;
  for (std::size_t i = 0; i < count; ++i) {
    drawn += outcomes[i].drawn;
    if (outcomes[i].faults.empty()) continue;
    const FuzzCase c = make(i);
    if (failures++ < kMaxReportedFailures) {
      KeepFailure(c);
      ADD_FAILURE() << Describe(c) << "\n" << outcomes[i].faults;
    }
  }
  std::printf("%zu cases: %llu drawn, %d failed\n", count, static_cast<unsigned long long>(drawn),
              failures);
  // Most damaged files must still reach the drawings, or the fuzzing only
  // tests the size limits.
  EXPECT_GE(drawn * 2, count);
}

INSTANTIATE_TEST_SUITE_P(Seeded, FuzzShard, ::testing::Range(0, kShards));

// Every input kept under regressions/ (a directory per case holding the two
// files; a missing file is taken from the standard example).
TEST(FuzzRegressions, InputsThatOnceBrokeTheProgramDrawWithinItsPromises) {
  const fs::path root = fs::path(LWALL_TESTS_DIR) / "fuzz" / "regressions";
  const InputFiles standard = BundledInputs().front();
  std::vector<std::string> names;
  std::vector<InputFiles> inputs;
  for (const auto& entry : fs::directory_iterator(root)) {
    if (!entry.is_directory()) continue;
    InputFiles files = standard;
    if (fs::exists(entry.path() / "tempoL.dat")) {
      files.design = ReadFileText((entry.path() / "tempoL.dat").string());
    }
    if (fs::exists(entry.path() / "GasouL.dat")) {
      files.layers = ReadFileText((entry.path() / "GasouL.dat").string());
    }
    names.push_back(entry.path().filename().string());
    inputs.push_back(files);
  }
  ASSERT_FALSE(inputs.empty());
  const std::vector<Outcome> outcomes = DrawAndCheckApart(inputs.size(), [&](std::size_t i) {
    return std::pair{inputs[i], RangeOf(inputs[i])};
  });
  for (std::size_t i = 0; i < inputs.size(); ++i) EXPECT_EQ(outcomes[i].faults, "") << names[i];
}

// Designs that ask for more than any output may hold: one bar mark's counts
// or diameters, or the tie counts, in the millions and billions. Each stops
// at the bound of an output with its message, or draws a sheet that fits.
InputFiles BeyondTheBound(std::uint64_t seed, const std::vector<InputFiles>& bases) {
  const InputFiles& base = bases[seed % bases.size()];
  std::vector<std::string> lines = SplitLines(base.design);
  const std::string huge[] = {"1000000", "50000000", "2147483647"};
  const std::string n = huge[(seed / bases.size()) % 3];
  const std::size_t mark = (seed / 7) % 9;
  switch (seed % 4) {
    case 0:  // every segment of the mark
      lines[8 + 4 * mark] = n + "," + n + "," + n + "," + n + "," + n;
      lines[5 + 4 * mark] = "5";
      break;
    case 1:  // the first segment only
      lines[8 + 4 * mark].replace(0, lines[8 + 4 * mark].find(','), n);
      break;
    case 2:  // dots as large as the count
      lines[6 + 4 * mark].replace(0, lines[6 + 4 * mark].find(','), n);
      break;
    default:  // the ties
      lines[41] = "13,13," + n + "," + n + ",0";
      break;
  }
  std::string design;
  for (const std::string& line : lines) design += line + "\r\n";
  return {design, base.layers};
}

TEST(FuzzBeyondTheBound, EveryRunEndsAtTheBoundOrFitsWithinIt) {
  constexpr std::size_t kCases = 16;
  const std::vector<InputFiles> bases = BundledInputs();
  const std::vector<Outcome> outcomes = DrawAndCheckApart(kCases, [&](std::size_t i) {
    return std::pair{BeyondTheBound(i, bases), InputRange::kAbsurd};
  });
  int stopped = 0;
  for (std::size_t i = 0; i < kCases; ++i) {
    EXPECT_EQ(outcomes[i].faults, "") << "case " << i;
    stopped += !outcomes[i].drawn;
  }
  EXPECT_GE(stopped, 8);  // most of them ask for far more than fits
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

  // The other faces agree with a good plain run, and not with a planted one.
  const InputFiles files = BundledInputs().front();
  for (const Face face : kFaces) {
    EXPECT_EQ(Join(CheckFace(files, good, face)), "") << static_cast<int>(face);
  }
  SheetRun other = good;
  other.dxf += "0\r\n";
  EXPECT_NE(Join(CheckFace(files, other, Face::kPreview)), "");
  other.status = 1;
  EXPECT_NE(Join(CheckFace(files, other, Face::kPortableDxf)), "");
}

}  // namespace
}  // namespace lwall::testing
