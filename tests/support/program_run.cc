// Test support: running the program in a temporary directory.
#include "support/program_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "support/test_sheet.h"

namespace lwall::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "lwall-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempDir::Write(const std::string& name, const std::string& contents) const {
  std::ofstream out(path_ / name, std::ios::binary);
  out << contents;
}

std::string TempDir::Read(const std::string& name) const {
  return ReadFileText((path_ / name).string());
}

bool TempDir::Has(const std::string& name) const {
  return std::filesystem::exists(path_ / name);
}

void TempDir::CopyExample(const std::string& example) const {
  const std::filesystem::path from = std::filesystem::path(LWALL_EXAMPLES_DIR) / example;
  for (const char* name : {"tempoL.dat", "GasouL.dat"}) {
    std::filesystem::copy_file(from / name, path_ / name,
                               std::filesystem::copy_options::overwrite_existing);
  }
}

namespace {

// `text` as one word of a shell command.
std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

// The command that runs lwall in `dir`, in a locale of LANG=C and `locale`.
std::string ProgramCommand(const TempDir& dir, const std::vector<std::string>& args,
                           const std::vector<std::string>& locale) {
  std::string command = "cd " + Quoted(dir.path().string()) +
                        " && env -u LC_ALL -u LC_MESSAGES -u LC_CTYPE -u LANGUAGE LANG=C";
  for (const std::string& variable : locale) command += " " + Quoted(variable);
  command += " " + Quoted(LWALL_BINARY);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  return command;
}

ProgramResult Run(const TempDir& dir, const std::vector<std::string>& args,
                  const std::vector<std::string>& locale, const std::string& shell_setup) {
  // The captured streams live beside the directory, not in it: a test may
  // look at every file the program left there.
  const std::filesystem::path out = dir.path().string() + ".stdout";
  const std::filesystem::path err = dir.path().string() + ".stderr";
  const std::string command = shell_setup + ProgramCommand(dir, args, locale) + " > " +
                              Quoted(out.string()) + " 2> " + Quoted(err.string());
  const int raw = std::system(command.c_str());
  ProgramResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.output = ReadFileText(out.string());
  result.errors = ReadFileText(err.string());
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return result;
}

}  // namespace

ProgramResult RunProgramIn(const TempDir& dir, const std::vector<std::string>& args,
                           const std::vector<std::string>& locale) {
  return Run(dir, args, locale, "");
}

ProgramResult RunProgramWithFileLimit(const TempDir& dir, const std::vector<std::string>& args,
                                      long max_file_bytes) {
  // The shell's file size limit counts blocks of 512 bytes; with SIGXFSZ
  // ignored (inherited through exec) a write past it fails with EFBIG.
  return Run(dir, args, {},
             "trap '' XFSZ; ulimit -f " + std::to_string(max_file_bytes / 512) + " && ");
}

bool HaveScript() {
  return std::system("command -v script > /dev/null") == 0;
}

ProgramResult RunProgramOnTerminal(const TempDir& dir, const std::vector<std::string>& args,
                                   const std::vector<std::string>& locale) {
  const std::filesystem::path out = dir.path().string() + ".tty";
  // script(1) runs the command on a new pseudo-terminal and gives its
  // status back (-e).
  const std::string command = "script -qec " + Quoted(ProgramCommand(dir, args, locale)) +
                              " /dev/null > " + Quoted(out.string()) + " 2>&1";
  const int raw = std::system(command.c_str());
  ProgramResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  const std::string shown = ReadFileText(out.string());
  std::filesystem::remove(out);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n') continue;
    result.output += shown[i];
  }
  return result;
}

std::string WithoutShiftJisConverter() {
  const char* sanitizer = std::getenv("ASAN_OPTIONS");
  std::string options = sanitizer != nullptr ? sanitizer : "";
  options += (options.empty() ? "" : ":") + std::string("verify_asan_link_order=0");
  return "LD_PRELOAD=" + Quoted(LWALL_NO_CP932_SHIM) + " ASAN_OPTIONS=" + Quoted(options);
}

ProgramResult RunProgramWithoutShiftJisConverter(const TempDir& dir,
                                                 const std::vector<std::string>& args) {
  return Run(dir, args, {}, "export " + WithoutShiftJisConverter() + "; ");
}

}  // namespace lwall::testing
