// How fast lwall makes a sheet: the whole sheet drawn in memory for the
// bundled example and for a dense design, beside the time it takes only to
// write the same bytes to two files, and the whole program writing its files.
// Beside the times, the instructions of one whole run of the program, which
// unlike the times do not depend on what else the machine is doing; and a
// batch of 200 designs in one `lwall DIR...` against a program that only
// copies the same sheets into the same files.
//
// How to build and run it, and the figures of one machine: README.md.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "check/input_check.h"
#include "driver/sheet.h"
#include "output/output_stream.h"

namespace {

struct Inputs {
  std::string design;
  std::string layers;
};

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Inputs Example(const std::string& name) {
  const std::string dir = std::string(LWALL_EXAMPLES_DIR) + "/" + name + "/";
  return {ReadText(dir + "tempoL.dat"), ReadText(dir + "GasouL.dat")};
}

struct Sheet {
  std::string dxf;
  std::string script;
};

Sheet Draw(const Inputs& inputs) {
  lwall::OutputStream dxf;
  lwall::OutputStream script;
  std::string message;
  if (lwall::DrawSheet(inputs.design, inputs.layers, dxf, script, message) != lwall::kExitOk) {
    throw std::runtime_error("the design was refused: " + message);
  }
  return {dxf.contents(), script.contents()};
}

// A scratch directory for the files, removed at exit.
const std::string& ScratchDir() {
  static const std::string dir = [] {
    std::string pattern = "/tmp/lwall-bench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
  }();
  return dir;
}

void SetSheetCounters(benchmark::State& state, const Sheet& sheet) {
  const auto bytes = static_cast<std::int64_t>(sheet.dxf.size() + sheet.script.size());
  state.SetBytesProcessed(state.iterations() * bytes);
  state.counters["sheet_bytes"] = static_cast<double>(bytes);
}

// The whole sheet into two in-memory outputs: all of the program's work but
// the reading of the inputs and the writing of the files.
void BM_DrawSheet(benchmark::State& state, const char* design) {
  const Inputs inputs = Example(design);
  Sheet sheet;
  for (auto _ : state) {
    lwall::OutputStream dxf;
    lwall::OutputStream script;
    std::string message;
    benchmark::DoNotOptimize(lwall::DrawSheet(inputs.design, inputs.layers, dxf, script, message));
    benchmark::DoNotOptimize(dxf.contents().data());
    if (sheet.dxf.empty()) sheet = {dxf.contents(), script.contents()};
  }
  SetSheetCounters(state, sheet);
}

// The same with the picture of the sheet drawn beside it (--preview).
void BM_DrawSheetWithPreview(benchmark::State& state, const char* design) {
  const Inputs inputs = Example(design);
  Sheet sheet;
  std::size_t picture_bytes = 0;
  for (auto _ : state) {
    lwall::OutputStream dxf;
    lwall::OutputStream script;
    lwall::OutputStream svg;
    lwall::StringSource design_source(inputs.design);
    lwall::StringSource layer_source(inputs.layers);
    std::string message;
    benchmark::DoNotOptimize(lwall::DrawSheet(design_source, layer_source,
                                              lwall::SheetOutputs{dxf, script, &svg}, message));
    benchmark::DoNotOptimize(svg.contents().data());
    if (sheet.dxf.empty()) sheet = {dxf.contents(), script.contents()};
    picture_bytes = svg.contents().size();
  }
  SetSheetCounters(state, sheet);
  state.counters["picture_bytes"] = static_cast<double>(picture_bytes);
}

// The same bytes written to two files, opened and closed as the program does:
// the least any sheet writer pays.
void BM_WriteSheetBytes(benchmark::State& state, const char* design) {
  const Sheet sheet = Draw(Example(design));
  const std::string dxf_path = ScratchDir() + "/Lwall.dxf";
  const std::string script_path = ScratchDir() + "/tempoL.scr";
  for (auto _ : state) {
    for (const auto& [path, bytes] :
         {std::pair{&dxf_path, &sheet.dxf}, std::pair{&script_path, &sheet.script}}) {
      std::FILE* file = std::fopen(path->c_str(), "wb");
      if (file == nullptr) throw std::runtime_error("cannot write " + *path);
      std::fwrite(bytes->data(), 1, bytes->size(), file);
      std::fclose(file);
    }
  }
  SetSheetCounters(state, sheet);
}

// Runs `argv` in `dir` with standard output and error going to `errors`
// ("/dev/null" when empty) and returns its exit status, its CPU time (user
// and system, in seconds) and its wall time.
struct ChildRun {
  int status = -1;
  double cpu_seconds = 0;
  double wall_seconds = 0;
};

ChildRun RunChild(const std::vector<std::string>& argv, const std::string& dir,
                  const std::string& errors = "") {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const std::string output = errors.empty() ? "/dev/null" : errors;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || chdir(dir.c_str()) != 0) _exit(127);
    dup2(fd, 1);
    dup2(fd, 2);
    execv(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) throw std::runtime_error("wait4 failed");
  const auto end = std::chrono::steady_clock::now();
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
          seconds(usage.ru_utime) + seconds(usage.ru_stime),
          std::chrono::duration<double>(end - start).count()};
}

// valgrind, or "" when the machine has none (the instruction counts are then
// left out; scripts/run-benchmark.sh installs it).
const std::string& Valgrind() {
  static const std::string path = [] {
    for (const char* candidate : {"/usr/bin/valgrind", "/usr/local/bin/valgrind"}) {
      if (access(candidate, X_OK) == 0) return std::string(candidate);
    }
    std::fputs("valgrind not found: no instruction counts\n", stderr);
    return std::string();
  }();
  return path;
}

// The instructions of one whole process running `argv` in `dir`, as
// callgrind counts them: exact and the same from one run to the next,
// start-up and exit included. Counted once per command line and directory.
std::optional<double> Instructions(const std::vector<std::string>& argv, const std::string& dir) {
  static std::map<std::pair<std::vector<std::string>, std::string>, std::optional<double>> counted;
  const auto known = counted.find({argv, dir});
  if (known != counted.end()) return known->second;
  std::optional<double> count;
  if (!Valgrind().empty()) {
    std::vector<std::string> command = {Valgrind(), "--tool=callgrind",
                                        "--callgrind-out-file=/dev/null"};
    command.insert(command.end(), argv.begin(), argv.end());
    const std::string log = ScratchDir() + "/callgrind.log";
    if (RunChild(command, dir, log).status == 0) {
      const std::string text = ReadText(log);
      const std::size_t at = text.find("Collected : ");
      if (at != std::string::npos) count = std::strtod(text.c_str() + at + 12, nullptr);
    }
    std::remove(log.c_str());
  }
  counted.emplace(std::pair{argv, dir}, count);
  return count;
}

void SetInstructions(benchmark::State& state, const char* name, std::optional<double> count) {
  if (count) state.counters[name] = *count;
}

// A directory under the scratch one holding the two inputs of `design`.
std::string DesignDir(const std::string& name, const Inputs& inputs) {
  const std::string dir = ScratchDir() + "/" + name;
  std::filesystem::create_directories(dir);
  for (const auto& [file, text] :
       {std::pair{"tempoL.dat", &inputs.design}, std::pair{"GasouL.dat", &inputs.layers}}) {
    std::ofstream(dir + "/" + file, std::ios::binary) << *text;
  }
  return dir;
}

// The command-line options of BM_RunProgram's argument.
const char* const kRunOptions[] = {"", "--preview", "--portable-dxf"};

// The program as a user runs it: reads the inputs, draws, writes the files;
// /0 plain, /1 with --preview, /2 with --portable-dxf. `instructions` is one
// whole run of the lwall program with the same option.
void BM_RunProgram(benchmark::State& state, const char* design) {
  const Inputs inputs = Example(design);
  const Sheet sheet = Draw(inputs);
  const std::string dir = DesignDir(std::string("run-") + design, inputs);
  const char* option = kRunOptions[state.range(0)];
  std::FILE* quiet = std::fopen("/dev/null", "w");
  lwall::MessageOut messages(quiet, false);
  const lwall::RunOptions options{state.range(0) == 2, state.range(0) == 1};
  for (auto _ : state) {
    benchmark::DoNotOptimize(lwall::RunInDirectory(dir, options, messages));
  }
  std::fclose(quiet);
  SetSheetCounters(state, sheet);
  std::vector<std::string> command = {LWALL_BINARY};
  if (*option != '\0') command.push_back(option);
  SetInstructions(state, "instructions", Instructions(command, dir));
  state.SetLabel(*option != '\0' ? option : "plain");
}

// "lwall --check" on the inputs in memory: both readers with their traces,
// the sheet drawn once to learn what it uses, and the drawings that answer
// the check's questions about doubtful values: none for the design as it is
// (argument 0), a few for the same design with its second line lost (1).
void BM_CheckInputs(benchmark::State& state, const char* design) {
  Inputs inputs = Example(design);
  if (state.range(0) != 0) {
    const std::size_t second = inputs.design.find('\n') + 1;
    inputs.design.erase(second, inputs.design.find('\n', second) + 1 - second);
  }
  std::size_t findings = 0;
  for (auto _ : state) {
    findings = lwall::CheckInputTexts(inputs.design, inputs.layers).findings.size();
    benchmark::DoNotOptimize(findings);
  }
  state.counters["findings"] = static_cast<double>(findings);
}

// 200 designs, the bundled examples in turn, each in its own directory.
constexpr int kBatchSize = 200;
const char* const kBatchDesigns[] = {"standard", "tall", "low", "wide", "slender", "dense"};

struct Batch {
  std::vector<std::string> lwall;   // lwall DIR...
  std::vector<std::string> copier;  // lwall_sheet_copier FROM TO...
  std::int64_t bytes = 0;           // of all the sheets, DXF and script
};

const Batch& TheBatch() {
  static const Batch batch = [] {
    Batch b;
    b.lwall = {LWALL_BINARY};
    b.copier = {LWALL_SHEET_COPIER};
    // The finished sheets the copier copies from, drawn by lwall itself.
    std::map<std::string, std::string> sheets;
    for (const char* design : kBatchDesigns) {
      const std::string dir = DesignDir(std::string("sheet-") + design, Example(design));
      if (RunChild({LWALL_BINARY}, dir).status != 0) throw std::runtime_error("lwall failed");
      sheets[design] = dir;
    }
    for (int i = 0; i < kBatchSize; ++i) {
      const char* design = kBatchDesigns[i % std::size(kBatchDesigns)];
      const std::string dir = DesignDir("batch/" + std::to_string(i), Example(design));
      b.lwall.push_back(dir);
      b.copier.push_back(sheets[design]);
      b.copier.push_back(dir);
      for (const char* file : {"/Lwall.dxf", "/tempoL.scr"}) {
        b.bytes += static_cast<std::int64_t>(std::filesystem::file_size(sheets[design] + file));
      }
    }
    return b;
  }();
  return batch;
}

// One process drawing the whole batch (/0), or only copying its sheets (/1):
// wall time per batch, and its CPU time and instructions as counters.
void BM_Batch(benchmark::State& state) {
  const Batch& batch = TheBatch();
  const std::vector<std::string>& command = state.range(0) == 0 ? batch.lwall : batch.copier;
  double cpu = 0;
  for (auto _ : state) {
    const ChildRun run = RunChild(command, ScratchDir());
    if (run.status != 0) {
      state.SkipWithError("the batch failed");
      break;
    }
    state.SetIterationTime(run.wall_seconds);
    cpu += run.cpu_seconds;
  }
  state.SetBytesProcessed(state.iterations() * batch.bytes);
  state.counters["cpu_ms"] = benchmark::Counter(cpu * 1e3, benchmark::Counter::kAvgIterations);
  SetInstructions(state, "instructions", Instructions(command, ScratchDir()));
  state.SetLabel(state.range(0) == 0 ? "lwall DIR..." : "copy the sheets");
}

// BM_RunProgram/0 is the plain run, /1 the run with --preview, /2 with
// --portable-dxf; BM_Batch/0 is lwall, /1 the copier.
BENCHMARK_CAPTURE(BM_DrawSheet, standard, "standard")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawSheetWithPreview, standard, "standard")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WriteSheetBytes, standard, "standard")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RunProgram, standard, "standard")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawSheet, dense, "dense")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawSheetWithPreview, dense, "dense")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WriteSheetBytes, dense, "dense")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RunProgram, dense, "dense")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Batch)->DenseRange(0, 1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckInputs, standard, "standard")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CheckInputs, dense, "dense")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(ScratchDir());
  return 0;
}
