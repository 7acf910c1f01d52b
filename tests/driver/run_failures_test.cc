// A run never reports a failure as success: outputs that cannot be written,
// inputs that cannot be read, and sheets that would grow past the bound of
// an output file end with their message and status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "driver/sheet.h"
#include "input/byte_source.h"
#include "support/program_run.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

using testing::Sjis;

using testing::ProgramResult;
using testing::RunProgramIn;
using testing::TempDir;

// The example's design with every bar mark asking for five segments of
// 2147483647 bars: a few hundred bytes that would draw for days.
std::string BillionsOfBars() {
  const std::vector<std::string> lines = testing::SplitLines(testing::ExampleDesignText());
  std::string text;
  for (int i = 0; i < 5; ++i) text += lines[i] + "\n";
  for (int mark = 0; mark < 9; ++mark) {
    text += "5\n13,13,13,13,13\n250,250,250,250,250\n";
    text += "2147483647,2147483647,2147483647,2147483647,2147483647\n";
  }
  return text + "13,13,2147483647,2147483647,0\n";
}

TEST(RunFailures, AnOutputOnAFullDiskIsNamedWithItsStatus) {
  struct Case {
    std::vector<std::string> full;
    int status;
    std::string output;
  };
  const std::vector<Case> cases = {
      {{"Lwall.dxf"}, 1, "can't write Lwall.dxf\n"},
      {{"tempoL.scr"}, 2, "can't write tempoL.scr\n"},
      {{"Lwall.dxf", "tempoL.scr"}, 1, "can't write Lwall.dxf\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    dir.CopyExample();
    for (const std::string& name : c.full) {
      std::filesystem::create_symlink("/dev/full", dir.path() / name);
    }
    const ProgramResult result = RunProgramIn(dir);
    EXPECT_EQ(result.status, c.status) << c.full.front();
    EXPECT_EQ(result.output, c.output);
  }
}

TEST(RunFailures, TheWriteFailureIsToldAfterTheRunsOwnMessage) {
  TempDir dir;
  dir.CopyExample();
  dir.Write("tempoL.dat", "1000,1000,1000\n");
  std::filesystem::create_symlink("/dev/full", dir.path() / "Lwall.dxf");
  const ProgramResult result = RunProgramIn(dir);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.output, Sjis("幅の制限を超えています。\ncan't write Lwall.dxf\n"));
}

TEST(RunFailures, ASheetPastTheBoundStopsWithItsMessage) {
  TempDir dir;
  dir.CopyExample();
  dir.Write("tempoL.dat", BillionsOfBars());
  const ProgramResult result = RunProgramIn(dir);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.output, "can't write Lwall.dxf: the sheet exceeds 64 MiB\n");
  EXPECT_EQ(std::filesystem::file_size(dir.path() / "Lwall.dxf"), kMaxOutputBytes);
}

// Each output is bounded on its own; a small bound shows which is named.
TEST(RunFailures, EachOutputIsNamedWhenItPassesItsBound) {
  const std::string design = testing::ExampleDesignText();
  const std::string layers = testing::ExampleLayerText();
  for (int which = 0; which < 3; ++which) {
    OutputStream dxf, script, svg;
    OutputStream* bounded[] = {&dxf, &script, &svg};
    bounded[which]->set_limit(10000);
    StringSource design_source(design), layer_source(layers);
    std::string message;
    const int status =
        DrawSheet(design_source, layer_source, SheetOutputs{dxf, script, &svg}, message);
    const char* names[] = {"Lwall.dxf", "tempoL.scr", "Lwall.svg"};
    const int statuses[] = {1, 2, 5};
    EXPECT_EQ(status, statuses[which]);
    // The message names the bound in force.
    EXPECT_EQ(message,
              std::string("can't write ") + names[which] + ": the sheet exceeds 10000 bytes\n");
    EXPECT_LE(bounded[which]->size(), 10000u);
    if (bounded[which] == &svg) {  // a picture too large costs nothing of the sheet
      OutputStream plain_dxf, plain_script;
      std::string no_message;
      DrawSheet(design, layers, plain_dxf, plain_script, no_message);
      EXPECT_EQ(dxf.contents(), plain_dxf.contents());
      EXPECT_EQ(script.contents(), plain_script.contents());
    }
  }
}

// A picture whose bound is too small even for its head is the picture's
// failure, not the sheet's: the sheet's two files are whole.
TEST(RunFailures, APictureBoundPassedByItsHeadIsThePictures) {
  const std::string design = testing::ExampleDesignText();
  const std::string layers = testing::ExampleLayerText();
  OutputStream dxf, script, svg, plain_dxf, plain_script;
  svg.set_limit(10);
  StringSource design_source(design), layer_source(layers);
  std::string message;
  EXPECT_EQ(DrawSheet(design_source, layer_source, SheetOutputs{dxf, script, &svg}, message), 5);
  EXPECT_EQ(message, "can't write Lwall.svg: the sheet exceeds 10 bytes\n");
  std::string no_message;
  DrawSheet(design, layers, plain_dxf, plain_script, no_message);
  EXPECT_TRUE(dxf.contents() == plain_dxf.contents());
  EXPECT_TRUE(script.contents() == plain_script.contents());
}

// A source that delivers `good` bytes and then fails as a disk does.
class FailingSource : public ByteSource {
 public:
  explicit FailingSource(std::string good) : good_(std::move(good)), source_(good_) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = source_.Read(buffer, size);
    if (n == 0) failed_ = true;
    return n;
  }
  bool failed() const override { return failed_; }

 private:
  std::string good_;
  StringSource source_;
  bool failed_ = false;
};

TEST(RunFailures, AReadErrorIsNoEndOfFile) {
  const std::string design = testing::ExampleDesignText();
  const std::string layers = testing::ExampleLayerText();
  {
    FailingSource failing(design.substr(0, 100));
    StringSource layer_source(layers);
    OutputStream dxf, script;
    std::string message;
    EXPECT_EQ(DrawSheet(failing, layer_source, SheetOutputs{dxf, script}, message), 3);
    EXPECT_EQ(message, "can't read tempoL.dat\n");
    EXPECT_EQ(script.contents(), "");  // nothing drawn from half a design
  }
  {
    StringSource design_source(design);
    FailingSource failing(layers.substr(0, 20));
    OutputStream dxf, script;
    std::string message;
    EXPECT_EQ(DrawSheet(design_source, failing, SheetOutputs{dxf, script}, message), 4);
    EXPECT_EQ(message, "can't read GasouL.dat\n");
  }
}

// The largest resident size of the program run in `dir`, in kilobytes.
long PeakKilobytes(const TempDir& dir) {
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(dir.path().c_str()) != 0) _exit(126);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    execl(LWALL_BINARY, "lwall", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  // Random bytes may happen to spell a wall too wide: status 1 is fine.
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) <= 1);
  return usage.ru_maxrss;
}

TEST(RunFailures, AnEndlessDesignFileIsReadOnlyAsFarAsItCounts) {
  TempDir normal;
  normal.CopyExample();
  const long baseline = PeakKilobytes(normal);
  for (const char* device : {"/dev/zero", "/dev/urandom"}) {
    TempDir dir;
    dir.CopyExample();
    std::filesystem::remove(dir.path() / "tempoL.dat");
    std::filesystem::create_symlink(device, dir.path() / "tempoL.dat");
    EXPECT_LT(PeakKilobytes(dir), baseline + 4096) << device;
  }
}

}  // namespace
}  // namespace lwall
