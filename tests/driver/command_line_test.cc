// The command line as users and calling programs meet it: options parsed,
// help and version, usage errors, and runs over several directories.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "driver/messages.h"
#include "driver/options.h"
#include "support/program_run.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::ProgramResult;
using testing::RunProgramIn;
using testing::TempDir;

ParsedCommandLine Parse(std::vector<std::string> args) {
  args.insert(args.begin(), "lwall");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return ParseCommandLine(static_cast<int>(args.size()), argv.data(), Catalog());
}

TEST(ParseCommandLine, OptionsAndDirectoriesInAnyOrder) {
  const ParsedCommandLine none = Parse({});
  EXPECT_EQ(none.error, "");
  EXPECT_FALSE(none.options.check || none.options.preview || none.options.portable_dxf);
  EXPECT_TRUE(none.options.directories.empty());

  const ParsedCommandLine mixed = Parse({"a", "--preview", "b", "--portable-dxf", "--", "--check"});
  EXPECT_EQ(mixed.error, "");
  EXPECT_TRUE(mixed.options.preview);
  EXPECT_TRUE(mixed.options.portable_dxf);
  EXPECT_FALSE(mixed.options.check);  // after "--" it is a directory
  EXPECT_EQ(mixed.options.directories, (std::vector<std::string>{"a", "b", "--check"}));

  EXPECT_TRUE(Parse({"-hV"}).options.help);
  EXPECT_TRUE(Parse({"-hV"}).options.version);
  EXPECT_TRUE(Parse({"--chec"}).options.check);  // an unambiguous abbreviation
}

TEST(ParseCommandLine, RefusalsSayWhy) {
  EXPECT_EQ(Parse({"--bogus"}).error, "unknown or ambiguous option '--bogus'");
  EXPECT_EQ(Parse({"-x"}).error, "unknown option '-x'");
  EXPECT_EQ(Parse({"--help=now"}).error, "option '--help' takes no argument");
  EXPECT_EQ(Parse({"--p"}).error, "unknown or ambiguous option '--p'");  // preview or portable
  // The check writes nothing, so options that shape a written file are refused.
  EXPECT_EQ(Parse({"--check", "--preview"}).error,
            "--check writes no file; it cannot go with --preview");
  EXPECT_EQ(Parse({"--portable-dxf", "dir", "--check"}).error,
            "--check writes no file; it cannot go with --portable-dxf");
  EXPECT_EQ(Parse({"--check", "--schedule"}).error,
            "--check writes no file; it cannot go with --schedule");
  // A second parse in the same process starts afresh.
  EXPECT_EQ(Parse({"dir"}).error, "");
}

std::string Printed(bool utf8, const std::string& prefix, const std::string& message) {
  std::FILE* file = std::tmpfile();
  MessageOut out(file, utf8);
  out.set_prefix(prefix);
  out.Print(message);
  std::rewind(file);
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
  std::fclose(file);
  return text;
}

TEST(MessageOut, PrefixesEveryLineAndConvertsOnlyTheMessage) {
  const std::string width = Sjis("幅の制限を超えています。\n");  // Shift-JIS bytes
  EXPECT_EQ(Printed(false, "", width), width);
  EXPECT_EQ(Printed(false, "d: ", "one\ntwo\n"), "d: one\nd: two\n");
  // "幅の制限" in UTF-8; a prefix of UTF-8 bytes stays as it is.
  EXPECT_EQ(Printed(true, "\xC3\xA9: ", "\x95\x9D\x82\xCC\x90\xA7\x8C\xC0\n"),
            "\xC3\xA9: \xE5\xB9\x85\xE3\x81\xAE\xE5\x88\xB6\xE9\x99\x90\n");
}

// The refused wall's message as a terminal in `locale` shows it; the
// program runs on a pseudo-terminal made by script(1), with `environment`.
std::string OnATerminal(const TempDir& dir, const std::string& locale,
                        const std::string& environment = "") {
  const std::string out = dir.path().string() + ".tty";
  const std::string command = "cd '" + dir.path().string() + "' && " + environment +
                              " LC_ALL=" + locale +
                              " script -qec '" LWALL_BINARY "' /dev/null > '" + out + "' 2>&1";
  if (std::system(command.c_str()) == -1) return "";
  const std::string text = testing::ReadFileText(out);
  std::filesystem::remove(out);
  return text;
}

TEST(Program, JapaneseMessagesReadOnAUtf8Terminal) {
  if (!testing::HaveScript()) GTEST_SKIP() << "no script(1)";
  TempDir dir;
  dir.CopyExample();
  dir.Write("tempoL.dat", "1000,1000,1000\n");
  // "幅" in UTF-8 on a UTF-8 terminal; Shift-JIS bytes anywhere else.
  const std::string utf8 = testing::RunProgramOnTerminal(dir, {}, {"LC_ALL=C.UTF-8"}).output;
  EXPECT_TRUE(utf8.starts_with("\xE5\xB9\x85")) << utf8;
  EXPECT_TRUE(testing::RunProgramOnTerminal(dir, {}, {"LC_ALL=C"}).output.starts_with("\x95\x9D"));
  // Without a converter the terminal gets what a pipe gets.
  EXPECT_TRUE(
      OnATerminal(dir, "C.UTF-8", testing::WithoutShiftJisConverter()).starts_with("\x95\x9D"));
  EXPECT_TRUE(RunProgramIn(dir).output.starts_with("\x95\x9D"));  // redirected
}

TEST(Program, ACheckOnAUtf8TerminalNamesItsFolderAsTyped) {
  if (!testing::HaveScript()) GTEST_SKIP() << "no script(1)";
  TempDir root;
  const std::string folder = "\xE5\xA3\x81";  // "壁" in UTF-8
  std::filesystem::create_directory(root.path() / folder);
  for (const char* file : {"tempoL.dat", "GasouL.dat"}) {
    std::filesystem::copy_file(std::filesystem::path(LWALL_EXAMPLES_DIR) / "standard" / file,
                               root.path() / folder / file);
  }
  std::string design = root.Read(folder + "/tempoL.dat");
  design.replace(0, 1, "x");
  root.Write(folder + "/tempoL.dat", design);
  // The report is no Shift-JIS message: the path in it is not converted.
  const ProgramResult shown =
      testing::RunProgramOnTerminal(root, {"--check", folder}, {"LC_ALL=C.UTF-8"});
  EXPECT_EQ(shown.status, 1);
  EXPECT_TRUE(shown.output.starts_with(folder + "/tempoL.dat:1:1: error: ")) << shown.output;
}

TEST(Program, HelpAndVersion) {
  TempDir dir;
  const ProgramResult help = RunProgramIn(dir, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.output.starts_with("Usage: lwall [OPTION]... [DIR]...\n")) << help.output;
  for (const char* word : {"--check", "--preview", "--portable-dxf", "--schedule", "--version",
                           "tempoL.dat", "GasouL.dat", "Lwall.dxf", "tempoL.scr", "Lwall.svg",
                           "Lwall-bars.csv", "Lwall-materials.csv", "6 ", "64"}) {
    EXPECT_NE(help.output.find(word), std::string::npos) << word;
  }
  const ProgramResult version = RunProgramIn(dir, {"-V"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "lwall " LWALL_VERSION_FOR_TESTS "\n");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));  // nothing written
}

TEST(Program, AUsageErrorTouchesNoFile) {
  TempDir dir;
  dir.CopyExample();
  dir.Write("Lwall.dxf", "earlier sheet");
  for (const char* bad :
       {"--bogus", "-q", "--preview=yes", "--check --preview", "--schedule --check"}) {
    std::vector<std::string> args;
    for (std::string_view rest = bad; !rest.empty();) {
      const std::size_t blank = std::min(rest.find(' '), rest.size());
      args.emplace_back(rest.substr(0, blank));
      rest.remove_prefix(std::min(blank + 1, rest.size()));
    }
    args.emplace_back(".");
    const ProgramResult result = RunProgramIn(dir, args);
    EXPECT_EQ(result.status, 64) << bad;
    EXPECT_EQ(result.output, "");
    EXPECT_TRUE(result.errors.starts_with("lwall: ")) << result.errors;
    EXPECT_TRUE(result.errors.ends_with("\nTry 'lwall --help' for more information.\n"));
    EXPECT_EQ(dir.Read("Lwall.dxf"), "earlier sheet");
    EXPECT_FALSE(dir.Has("tempoL.scr"));
  }
}

TEST(Program, SeveralDirectoriesEachWithItsPrefixAndTheFirstFailureDecides) {
  TempDir root;
  for (const char* name : {"good", "wide", "nolayers"}) {
    std::filesystem::create_directory(root.path() / name);
    for (const char* file : {"tempoL.dat", "GasouL.dat"}) {
      std::filesystem::copy_file(std::filesystem::path(LWALL_EXAMPLES_DIR) / "standard" / file,
                                 root.path() / name / file);
    }
  }
  std::filesystem::remove(root.path() / "nolayers" / "GasouL.dat");
  std::string design = root.Read("good/tempoL.dat");
  design.replace(0, design.find_first_of("\r\n"), "1000,1000,1000");
  root.Write("wide/tempoL.dat", design);

  const ProgramResult result = RunProgramIn(root, {"good", "nolayers", "missing", "wide", "good"});
  EXPECT_EQ(result.status, 4);  // the first that failed
  EXPECT_EQ(result.output,
            "nolayers: can't create GasouL.dat\n"
            "missing: no such directory\n" +
                Sjis("wide: 幅の制限を超えています。\n"));
  EXPECT_EQ(root.Read("good/Lwall.dxf"),
            testing::ReadFileText(LWALL_TESTS_DIR "/driver/golden/standard/Lwall.dxf"));
  EXPECT_FALSE(std::filesystem::exists(root.path() / "Lwall.dxf"));  // not in the current one

  // One directory: its messages as a run in it gives them; a missing one is named.
  EXPECT_EQ(RunProgramIn(root, {"wide"}).output, Sjis("幅の制限を超えています。\n"));
  const ProgramResult missing = RunProgramIn(root, {"missing"});
  EXPECT_EQ(missing.status, 3);
  EXPECT_EQ(missing.output, "missing: no such directory\n");
  const ProgramResult file = RunProgramIn(root, {"good/tempoL.dat"});
  EXPECT_EQ(file.status, 3);
  EXPECT_EQ(file.output, "good/tempoL.dat: not a directory\n");
  // Past a file that is no directory there is no directory either; any other
  // cause is named in the C library's words.
  EXPECT_EQ(RunProgramIn(root, {"good/tempoL.dat/sub"}).output,
            "good/tempoL.dat/sub: no such directory\n");
  const std::string too_long(5000, 'd');
  const ProgramResult long_name = RunProgramIn(root, {too_long});
  EXPECT_EQ(long_name.status, 3);
  EXPECT_EQ(long_name.output, too_long + ": File name too long\n");
  std::filesystem::create_symlink("loop", root.path() / "loop");
  EXPECT_EQ(RunProgramIn(root, {"loop"}).output, "loop: Too many levels of symbolic links\n");
}

TEST(Program, CheckReportsAndTouchesNoOutput) {
  TempDir dir;
  dir.CopyExample();
  dir.Write("Lwall.dxf", "earlier sheet");
  dir.Write("tempoL.scr", "earlier script");
  const ProgramResult clean = RunProgramIn(dir, {"--check"});
  EXPECT_EQ(clean.status, 0);
  EXPECT_EQ(clean.output, "no findings\n");

  std::string design = dir.Read("tempoL.dat");
  design.replace(0, 1, "x");
  dir.Write("tempoL.dat", design);
  const ProgramResult damaged = RunProgramIn(dir, {"--check", "."});
  EXPECT_EQ(damaged.status, 1);
  // The file named as the path from where lwall was started.
  EXPECT_TRUE(damaged.output.starts_with("./tempoL.dat:1:1: error: ")) << damaged.output;
  EXPECT_TRUE(damaged.output.ends_with("\n1 error\n")) << damaged.output;

  std::filesystem::remove(dir.path() / "GasouL.dat");
  const ProgramResult missing = RunProgramIn(dir, {"--check"});
  EXPECT_EQ(missing.status, 4);
  EXPECT_EQ(missing.output, "can't create GasouL.dat\n");
  EXPECT_EQ(dir.Read("Lwall.dxf"), "earlier sheet");
  EXPECT_EQ(dir.Read("tempoL.scr"), "earlier script");
  EXPECT_FALSE(dir.Has("Lwall.svg"));
}

}  // namespace
}  // namespace lwall
