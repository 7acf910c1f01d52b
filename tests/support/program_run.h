// Test support: runs the built lwall in a fresh directory, as a user would.
#ifndef LWALL_TESTS_SUPPORT_PROGRAM_RUN_H_
#define LWALL_TESTS_SUPPORT_PROGRAM_RUN_H_

#include <filesystem>
#include <string>
#include <vector>

namespace lwall::testing {

// A fresh, empty temporary directory, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Writes `contents` as the file `name` in the directory.
  void Write(const std::string& name, const std::string& contents) const;
  std::string Read(const std::string& name) const;
  bool Has(const std::string& name) const;
  // Copies the example inputs into the directory.
  void CopyExample(const std::string& example = "standard") const;

 private:
  std::filesystem::path path_;
};

struct ProgramResult {
  int status = -1;
  std::string output;  // what the program printed on standard output
  std::string errors;  // and on standard error
};

// Runs the built lwall with `dir` as its working directory and `args` as its
// arguments (each passed as one word, whatever it holds). The locale is
// LANG=C, whatever the tests run in, unless `locale` sets variables of its
// own ("LANG=ja_JP.UTF-8", "LANGUAGE=ja").
ProgramResult RunProgramIn(const TempDir& dir, const std::vector<std::string>& args = {},
                           const std::vector<std::string>& locale = {});
// The same with no file the program writes allowed past `max_file_bytes`: a
// write past it fails as on a full disk.
ProgramResult RunProgramWithFileLimit(const TempDir& dir, const std::vector<std::string>& args,
                                      long max_file_bytes);
// The same with no Shift-JIS converter to be had: a shim that takes it away
// is preloaded into the program.
ProgramResult RunProgramWithoutShiftJisConverter(const TempDir& dir,
                                                 const std::vector<std::string>& args);
// The environment words ("NAME=value ...") that preload the shim, allowed
// ahead of the sanitizer's runtime, for a command of a test's own.
std::string WithoutShiftJisConverter();

// The same on a pseudo-terminal made by script(1), as a person sees it:
// `output` holds what both streams printed, in order, with the terminal's
// CR LF line ends turned back into LF. Needs script(1) (HaveScript).
ProgramResult RunProgramOnTerminal(const TempDir& dir, const std::vector<std::string>& args = {},
                                   const std::vector<std::string>& locale = {});
bool HaveScript();

}  // namespace lwall::testing

#endif  // LWALL_TESTS_SUPPORT_PROGRAM_RUN_H_
