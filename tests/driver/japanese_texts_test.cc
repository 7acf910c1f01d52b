// The texts for people in the user's language, as the program prints them:
// --help, usage errors and --check in Japanese under a Japanese locale, in the
// locale's codeset in a pipe and on a terminal alike; English, byte for byte
// as ever, under LANG=C; and the run's messages and outputs the same in
// every locale.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/program_run.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::ProgramResult;
using testing::RunProgramIn;
using testing::RunProgramOnTerminal;
using testing::TempDir;

std::string Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

const std::string kUtf8 = "LANG=ja_JP.UTF-8";
const std::string kShiftJis = "LANG=ja_JP.SJIS";

// The English help as the program has always printed it.
std::string EnglishHelp() {
  return testing::ReadFileText(LWALL_TESTS_DIR "/driver/texts/help.C.txt");
}

// The Shift-JIS bytes of `utf8`, which are not UTF-8 themselves.
void ExpectShiftJisOf(const std::string& shift_jis, const std::string& utf8) {
  EXPECT_EQ(shift_jis, testing::Sjis(utf8));
  EXPECT_NE(shift_jis, utf8);
}

TEST(JapaneseTexts, HelpInTheLocalesCodesetPipedAndOnATerminal) {
  TempDir dir;
  const ProgramResult utf8 = RunProgramIn(dir, {"--help"}, {kUtf8});
  EXPECT_EQ(utf8.status, 0);
  EXPECT_TRUE(utf8.output.starts_with(
      Utf8(u8"使い方: lwall [オプション]... [DIR]...\nL 型擁壁の配筋図を描きます。\n")))
      << utf8.output;
  // Nothing of it left in English, and the names a user types kept.
  const std::string english = EnglishHelp();
  for (std::size_t start = 0, end; (end = english.find('\n', start)) != std::string::npos;
       start = end + 1) {
    const std::string line = english.substr(start, end - start);
    if (!line.empty()) {
      EXPECT_EQ(utf8.output.find(line), std::string::npos) << line;
    }
  }
  for (const char* kept : {"      --check  ", "      --preview  ", "      --portable-dxf  ",
                           "  -h, --help  ", "  -V, --version  ", "FILE:LINE:COLUMN:", "\n  64  ",
                           "tempoL.dat", "GasouL.dat", "Lwall.svg", "\"DIR: \""}) {
    EXPECT_NE(utf8.output.find(kept), std::string::npos) << kept;
  }

  const ProgramResult sjis = RunProgramIn(dir, {"--help"}, {kShiftJis});
  EXPECT_EQ(sjis.status, 0);
  EXPECT_TRUE(sjis.output.starts_with("\x8E\x67\x82\xA2\x95\xFB: lwall"));  // "使い方" in CP932
  ExpectShiftJisOf(sjis.output, utf8.output);

  if (!testing::HaveScript()) GTEST_SKIP() << "no script(1): no terminal to try";
  EXPECT_EQ(RunProgramOnTerminal(dir, {"--help"}, {kUtf8}).output, utf8.output);
  EXPECT_EQ(RunProgramOnTerminal(dir, {"--help"}, {kShiftJis}).output, sjis.output);
}

TEST(JapaneseTexts, UsageErrorsInTheLocalesCodesetPipedAndOnATerminal) {
  TempDir dir;
  const std::string japanese =
      Utf8(u8"lwall: 不明なオプション '-x' です\n詳しくは 'lwall --help' を実行してください。\n");
  const ProgramResult utf8 = RunProgramIn(dir, {"-x"}, {kUtf8});
  EXPECT_EQ(utf8.status, 64);
  EXPECT_EQ(utf8.output, "");
  EXPECT_EQ(utf8.errors, japanese);
  const ProgramResult sjis = RunProgramIn(dir, {"-x"}, {kShiftJis});
  EXPECT_EQ(sjis.status, 64);
  ExpectShiftJisOf(sjis.errors, japanese);
  // The other refusals, and a LANGUAGE list over an English locale.
  EXPECT_EQ(RunProgramIn(dir, {"--help=now"}, {kUtf8}).errors,
            Utf8(u8"lwall: オプション '--help' は引数をとりません\n"
                 u8"詳しくは 'lwall --help' を実行してください。\n"));
  EXPECT_EQ(RunProgramIn(dir, {"--p"}, {"LANG=en_US.UTF-8", "LANGUAGE=fr:ja"}).errors,
            Utf8(u8"lwall: オプション '--p' は不明か、あいまいです\n"
                 u8"詳しくは 'lwall --help' を実行してください。\n"));
  EXPECT_EQ(RunProgramIn(dir, {"--check", "--preview"}, {kUtf8}).errors,
            Utf8(u8"lwall: --check はファイルを書き出さないので、--preview とは併用できません\n"
                 u8"詳しくは 'lwall --help' を実行してください。\n"));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

  if (!testing::HaveScript()) GTEST_SKIP() << "no script(1): no terminal to try";
  const ProgramResult shown = RunProgramOnTerminal(dir, {"-x"}, {kUtf8});
  EXPECT_EQ(shown.status, 64);
  EXPECT_EQ(shown.output, japanese);
  EXPECT_EQ(RunProgramOnTerminal(dir, {"-x"}, {kShiftJis}).output, sjis.errors);
}

// The example of "lwall --check" in a user's guide: the lines after its
// command, without their indent.
std::string CheckExampleOf(const std::string& guide) {
  const std::string text = testing::ReadFileText(LWALL_TESTS_DIR "/../" + guide);
  constexpr std::string_view kCommand = "    $ lwall --check my-wall\n";
  std::size_t at = text.find(kCommand);
  if (at == std::string::npos) return "";
  std::string example;
  for (at += kCommand.size(); text.compare(at, 4, "    ") == 0;) {
    const std::size_t end = text.find('\n', at);
    example += text.substr(at + 4, end + 1 - at - 4);
    at = end + 1;
  }
  return example;
}

// The folder of the guides' example: the bundled example with a letter O in
// its toe width, a linetype code 9 and no layer D-BMK.
void WriteCheckExample(const TempDir& root) {
  std::filesystem::create_directory(root.path() / "my-wall");
  for (const char* name : {"tempoL.dat", "GasouL.dat"}) {
    std::string text = testing::ReadFileText(LWALL_EXAMPLES_DIR "/standard/" + std::string(name));
    std::erase(text, '\r');
    root.Write("my-wall/" + std::string(name), text);
  }
  std::string design = root.Read("my-wall/tempoL.dat");
  design.replace(0, 3, "5O0");
  root.Write("my-wall/tempoL.dat", design);
  std::string layers = root.Read("my-wall/GasouL.dat");
  layers.replace(layers.find("D-BMK"), 5, "D-CENTRE");
  layers.replace(layers.find("7 1 0.25 D-MTR-TXT"), 3, "7 9");
  root.Write("my-wall/GasouL.dat", layers);
}

TEST(JapaneseTexts, TheGuidesCheckExampleInEachLanguageAndCodeset) {
  const std::string english = CheckExampleOf("README.md");
  const std::string japanese = CheckExampleOf("README.ja.md");
  ASSERT_TRUE(english.ends_with("\n1 error, 2 warnings\n")) << english;
  ASSERT_TRUE(japanese.ends_with(Utf8(u8"\nエラー 1 件、警告 2 件\n"))) << japanese;
  TempDir root;
  WriteCheckExample(root);
  const std::vector<std::string> args = {"--check", "my-wall"};
  const ProgramResult c = RunProgramIn(root, args);
  EXPECT_EQ(c.status, 1);
  EXPECT_EQ(c.output, english);
  const ProgramResult utf8 = RunProgramIn(root, args, {kUtf8});
  EXPECT_EQ(utf8.status, 1);
  EXPECT_EQ(utf8.output, japanese);
  const ProgramResult sjis = RunProgramIn(root, args, {kShiftJis});
  EXPECT_EQ(sjis.status, 1);
  ExpectShiftJisOf(sjis.output, japanese);
  // With several folders the summary is prefixed, in Japanese too.
  EXPECT_TRUE(RunProgramIn(root, {"--check", "my-wall", "my-wall"}, {kUtf8})
                  .output.ends_with(Utf8(u8"\nmy-wall: エラー 1 件、警告 2 件\n")));

  if (!testing::HaveScript()) GTEST_SKIP() << "no script(1): no terminal to try";
  EXPECT_EQ(RunProgramOnTerminal(root, args).output, english);
  EXPECT_EQ(RunProgramOnTerminal(root, args, {kUtf8}).output, japanese);
  EXPECT_EQ(RunProgramOnTerminal(root, args, {kShiftJis}).output, sjis.output);
}

TEST(JapaneseTexts, EnglishAsEverUnderC) {
  TempDir dir;
  const std::string english_error =
      "lwall: unknown option '-x'\nTry 'lwall --help' for more information.\n";
  // LANG=C; LC_ALL before LANG; Japanese the program cannot write; a
  // LANGUAGE list that plain C ignores.
  const std::vector<std::vector<std::string>> locales = {
      {}, {"LC_ALL=C", kUtf8}, {"LANG=ja_JP.eucJP"}, {"LANGUAGE=ja"}};
  for (const std::vector<std::string>& locale : locales) {
    const std::string name = locale.empty() ? "LANG=C" : locale.back();
    EXPECT_EQ(RunProgramIn(dir, {"--help"}, locale).output, EnglishHelp()) << name;
    EXPECT_EQ(RunProgramIn(dir, {"-x"}, locale).errors, english_error) << name;
  }
  if (!testing::HaveScript()) GTEST_SKIP() << "no script(1): no terminal to try";
  EXPECT_EQ(RunProgramOnTerminal(dir, {"--help"}).output, EnglishHelp());
  EXPECT_EQ(RunProgramOnTerminal(dir, {"-x"}).output, english_error);
}

TEST(JapaneseTexts, TheRunsMessagesOutputsAndVersionAreTheSameInEveryLocale) {
  const std::string golden = LWALL_TESTS_DIR "/driver/golden/standard/";
  for (const std::string& locale : {std::string("LANG=C"), kUtf8, kShiftJis}) {
    TempDir dir;
    dir.CopyExample();
    const ProgramResult run = RunProgramIn(dir, {}, {locale});
    EXPECT_EQ(run.status, 0) << locale;
    EXPECT_EQ(run.output, "") << locale;
    EXPECT_EQ(dir.Read("Lwall.dxf"), testing::ReadFileText(golden + "Lwall.dxf")) << locale;
    EXPECT_EQ(dir.Read("tempoL.scr"), testing::ReadFileText(golden + "tempoL.scr")) << locale;
    EXPECT_EQ(RunProgramIn(dir, {"--version"}, {locale}).output,
              "lwall " LWALL_VERSION_FOR_TESTS "\n");

    // The width limit's message in Shift-JIS, as the callers read it.
    dir.Write("tempoL.dat", "1000,1000,1000\n");
    const ProgramResult wide = RunProgramIn(dir, {}, {locale});
    EXPECT_EQ(wide.status, 1) << locale;
    EXPECT_EQ(wide.output,
              "\x95\x9D\x82\xCC\x90\xA7\x8C\xC0\x82\xF0\x92\xB4\x82\xA6\x82\xC4"
              "\x82\xA2\x82\xDC\x82\xB7\x81\x42\n")
        << locale;
    std::filesystem::remove(dir.path() / "GasouL.dat");
    EXPECT_EQ(RunProgramIn(dir, {}, {locale}).output, "can't create GasouL.dat\n") << locale;
    EXPECT_EQ(RunProgramIn(dir, {"missing"}, {locale}).output, "missing: no such directory\n")
        << locale;
  }
}

}  // namespace
}  // namespace lwall
