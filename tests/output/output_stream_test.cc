// The output stream: CR LF line ends, block-wise passing to the file it owns,
// closing that file once with the answer of every write, and the size bound.
#include "output/output_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/program_run.h"

namespace lwall {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(OutputStreamTest, EveryLineFeedBecomesCrLf) {
  OutputStream out;
  out.Write("a\nb\n\nc");
  out.Line("");
  out.Line("d\n");
  out.PlainLine("e");
  out.Raw("f\n");
  EXPECT_EQ(out.contents(), "a\r\nb\r\n\r\nc\r\nd\r\n\r\ne\r\nf\n");
}

// A file-backed stream hands its bytes on in blocks; nothing may be lost or
// doubled at a block boundary, and the rest arrives when the stream closes
// the file, whether by Close() or by its end.
TEST(OutputStreamTest, FileReceivesExactlyTheConvertedBytes) {
  testing::TempDir dir;
  std::string expected;
  for (const bool explicit_close : {true, false}) {
    const std::filesystem::path path = dir.path() / (explicit_close ? "closed" : "dropped");
    {
      OutputStream out(std::fopen(path.c_str(), "wb"));
      for (int i = 0; i < 20000; ++i) out.Line("PLINE " + std::to_string(i));
      if (explicit_close) {
        EXPECT_TRUE(out.Close());
        EXPECT_TRUE(out.Close());  // once closed, closing again only answers
      }
    }
    if (expected.empty()) {
      for (int i = 0; i < 20000; ++i) expected += "PLINE " + std::to_string(i) + "\r\n";
    }
    const std::string written = ReadFile(path);
    EXPECT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected);
  }
}

// A full disk is told by Close(), whether the bytes failed while passed on
// in blocks or only at the final flush.
TEST(OutputStreamTest, CloseTellsAFailedWrite) {
  for (const int lines : {1, 20000}) {
    OutputStream out(std::fopen("/dev/full", "wb"));
    for (int i = 0; i < lines; ++i) out.Line("LINE");
    EXPECT_FALSE(out.Close()) << lines;
    EXPECT_FALSE(out.Close()) << lines;
  }
}

// The write that would pass the bound throws; what fits stays, so a file
// past its bound holds exactly the bound's bytes.
TEST(OutputStreamTest, TheWritePastTheBoundThrowsAndKeepsWhatFits) {
  OutputStream out;
  out.set_limit(10);
  EXPECT_EQ(out.limit(), 10u);
  out.Line("12345678");
  try {
    out.Line("abc");
    FAIL() << "no throw";
  } catch (const OutputLimitExceeded& exceeded) {
    EXPECT_EQ(&exceeded.stream(), &out);
  }
  EXPECT_EQ(out.contents(), "12345678\r\n");
}

}  // namespace
}  // namespace lwall
