// How fast lwall makes a sheet: the whole sheet drawn in memory for the
// bundled example and for a dense design, beside the time it takes only to
// write the same bytes to two files, and the whole program writing its files.
//
// How to build and run it, and the figures of one machine: README.md.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

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

// The program as a user runs it: reads the inputs, draws, writes the files,
// with the picture (argument 1) or without it (0).
void BM_RunProgram(benchmark::State& state, const char* design) {
  const Inputs inputs = Example(design);
  const Sheet sheet = Draw(inputs);
  const std::string dir = ScratchDir();
  for (const auto& [name, text] :
       {std::pair{"tempoL.dat", &inputs.design}, std::pair{"GasouL.dat", &inputs.layers}}) {
    std::ofstream(dir + "/" + name, std::ios::binary) << *text;
  }
  std::FILE* quiet = std::fopen("/dev/null", "w");
  lwall::MessageOut messages(quiet, false);
  const lwall::RunOptions options{false, state.range(0) != 0};
  for (auto _ : state) {
    benchmark::DoNotOptimize(lwall::RunInDirectory(dir, options, messages));
  }
  std::fclose(quiet);
  SetSheetCounters(state, sheet);
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

// BM_RunProgram/0 is the plain run, /1 the run with --preview.
BENCHMARK_CAPTURE(BM_DrawSheet, standard, "standard")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawSheetWithPreview, standard, "standard")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WriteSheetBytes, standard, "standard")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RunProgram, standard, "standard")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawSheet, dense, "dense")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawSheetWithPreview, dense, "dense")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WriteSheetBytes, dense, "dense")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RunProgram, dense, "dense")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
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
  std::remove((ScratchDir() + "/Lwall.dxf").c_str());
  std::remove((ScratchDir() + "/tempoL.scr").c_str());
  std::remove((ScratchDir() + "/Lwall.svg").c_str());
  std::remove((ScratchDir() + "/tempoL.dat").c_str());
  std::remove((ScratchDir() + "/GasouL.dat").c_str());
  rmdir(ScratchDir().c_str());
  return 0;
}
